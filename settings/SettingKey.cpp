#include "SettingKey.h"

#include <stdexcept>

#include "platform/VBText.h"

const SettingKey& SettingSection::Key(std::string_view name) const {
    for (const auto& key : Keys)
        if (key.Name == name) return key;
    throw std::logic_error("no key " + std::string(name) + " in [" + Name + "]");
}

std::vector<const SettingKey*> SettingSection::KeysToSave() const {
    std::vector<const SettingKey*> out;
    if (SaveOrder.empty()) {
        for (const auto& key : Keys) out.push_back(&key);
    } else {
        for (const auto& name : SaveOrder) out.push_back(&Key(name));
    }
    return out;
}

namespace keys {

namespace {
KeyDefaults Unbounded(std::string text) { return {std::move(text), std::nullopt, std::nullopt}; }

SettingKey Make(std::string name, KeyForm form, KeyHolder place, KeyDefaults defaults) {
    SettingKey key;
    key.Name = std::move(name);
    key.Form = form;
    key.Place = std::move(place);
    key.Defaults = std::move(defaults);
    return key;
}
}  // namespace

SettingKey Bool(std::string name, Holder<bool> place, bool defaultValue) {
    SettingKey key = Make(std::move(name), KeyForm::Bool, std::move(place), Unbounded({}));
    key.DefaultBool = defaultValue;
    return key;
}

SettingKey Text(std::string name, Holder<std::string> place, std::string defaultText, TextRule rule) {
    SettingKey key = Make(std::move(name), KeyForm::Text, std::move(place), Unbounded(std::move(defaultText)));
    key.Rule = std::move(rule);
    return key;
}

SettingKey Integer(std::string name, Holder<int> place, std::string defaultText, std::optional<double> lower,
                   std::optional<double> upper) {
    return Make(std::move(name), KeyForm::Integer, std::move(place), {std::move(defaultText), lower, upper});
}

SettingKey Single(std::string name, Holder<float> place, std::function<KeyDefaults()> defaults) {
    SettingKey key = Make(std::move(name), KeyForm::Single, std::move(place), Unbounded({}));
    key.ComputedDefaults = std::move(defaults);
    return key;
}

SettingKey NumberText(std::string name, Holder<std::string> place, std::string defaultText, double lower,
                      double upper) {
    return Make(std::move(name), KeyForm::NumberText, std::move(place), {std::move(defaultText), lower, upper});
}

SettingKey WindowState(std::string name, Holder<int> place) {
    return Make(std::move(name), KeyForm::WindowState, std::move(place), Unbounded("0"));
}

SettingKey WholeNumber(std::string name, Holder<long> place, std::string defaultText) {
    return Make(std::move(name), KeyForm::WholeNumber, std::move(place), Unbounded(std::move(defaultText)));
}

SettingKey ReadNumber(std::string name, Holder<long> place, double defaultValue, double lower, double upper) {
    return Make(std::move(name), KeyForm::ReadNumber, std::move(place), {vb::NumberText(defaultValue), lower, upper});
}

SettingKey Constant(std::string name, std::string text) {
    SettingKey key = Make(std::move(name), KeyForm::Constant, std::monostate{}, Unbounded(std::move(text)));
    key.Loaded = false;
    return key;
}

SettingKey SavedOnly(SettingKey key) {
    key.Loaded = false;
    return key;
}

SettingKey WithSentinel(SettingKey key, int sentinel) {
    key.Sentinel = sentinel;
    return key;
}

SettingKey WithDefault(SettingKey key, std::function<std::string()> defaultText) {
    key.ComputedDefaults = [text = std::move(defaultText)] { return Unbounded(text()); };
    return key;
}

}  // namespace keys
