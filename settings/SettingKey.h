#pragma once
// One key of the settings file as data: its name, the form in which it is
// read and written, its default and bounds, the place the program holds it,
// and the rule applied to a text once it is read. The load and the save of
// the whole file run over sections of these.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/VBError.h"
#include "settings/ZelkOptions.h"

class cINIHandler;
class OwnFiles;

// Where a value is held, reached at the time of the call: a field of the
// options value the load fills or the save writes, or a member of one of the
// shared objects, which are created (and, in tests, created again) long after
// the table.
template <class T>
struct Holder {
    std::function<T(const ZelkOptions&)> get;
    std::function<void(ZelkOptions&, const T&)> set;
};

template <class T>
Holder<T> Option(T ZelkOptions::*field) {
    return {[field](const ZelkOptions& o) { return o.*field; }, [field](ZelkOptions& o, const T& v) { o.*field = v; }};
}

// An enumerated setting is stored as its number; a number that names none of
// its choices is held as it stands.
template <class E>
    requires std::is_enum_v<E>
Holder<std::underlying_type_t<E>> Option(E ZelkOptions::*field) {
    using N = std::underlying_type_t<E>;
    return {[field](const ZelkOptions& o) { return static_cast<N>(o.*field); },
            [field](ZelkOptions& o, const N& v) { o.*field = static_cast<E>(v); }};
}

// A shared object, or error 91 while start-up has not created it.
template <class Obj>
Obj& Existing(const std::unique_ptr<Obj>& object) {
    if (!object) RaiseError(vberr::kObjectNotSet);
    return *object;
}

template <class Obj, class T>
Holder<T> Member(const std::unique_ptr<Obj>& object, T Obj::*member) {
    return {[&object, member](const ZelkOptions&) { return Existing(object).*member; },
            [&object, member](ZelkOptions&, const T& v) { Existing(object).*member = v; }};
}

enum class KeyForm {
    Bool,         // ReadBool with the default; written "Yes" / "No"
    Text,         // ReadString with the default, then the key's rule; written unchanged
    Integer,      // the numeric rule, to the nearest whole number; its decimal text
    Single,       // the numeric rule, held in single precision; its decimal text
    NumberText,   // the numeric rule; the clamped number's text is held
    WindowState,  // the numeric prefix: 0 outside 0..2, else the nearest whole number
    WholeNumber,  // the numeric prefix to the nearest Long, no bounds
    ReadNumber,   // ReadNumber with the bounds, to a Long; written with WriteNumber
    Constant,     // never loaded; always written as the default text
};

struct KeyDefaults {
    std::string Text;
    std::optional<double> Lower;  // omitted: the numeric rule's own bound
    std::optional<double> Upper;
};

// Applied to a text right after it is read, in the key's section, with the
// options the load is filling and the program's own files the load has
// looked for.
using TextRule = std::function<void(cINIHandler& ini, std::string& value, ZelkOptions& options, OwnFiles& own)>;

using KeyHolder =
    std::variant<std::monostate, Holder<bool>, Holder<int>, Holder<long>, Holder<float>, Holder<std::string>>;

struct SettingKey {
    std::string Name;
    KeyForm Form = KeyForm::Text;
    KeyHolder Place;
    KeyDefaults Defaults;
    bool DefaultBool = false;
    // Defaults and bounds that depend on the screen or the program's folder,
    // computed at each load.
    std::function<KeyDefaults()> ComputedDefaults;
    TextRule Rule;
    // An Integer value held as it stands, outside the bounds (a "not chosen
    // yet" mark).
    std::optional<int> Sentinel;
    // False for a key the save writes but the load does not read.
    bool Loaded = true;

    KeyDefaults CurrentDefaults() const { return ComputedDefaults ? ComputedDefaults() : Defaults; }
};

struct SettingSection {
    std::string Name;
    std::vector<SettingKey> Keys;  // in the order of the load
    // The save's order of the keys; empty when it is the order of Keys. A
    // key left out of a given order is never written.
    std::vector<std::string> SaveOrder;

    // Raises std::logic_error for a name the section does not have.
    const SettingKey& Key(std::string_view name) const;
    std::vector<const SettingKey*> KeysToSave() const;
};

// The items moved into a list, which an initializer list would copy one by
// one: the tables are built so at the first load.
template <class T, class... Items>
std::vector<T> MoveList(Items&&... items) {
    std::vector<T> list;
    list.reserve(sizeof...(items));
    (list.push_back(std::forward<Items>(items)), ...);
    return list;
}

// The keys as the tables of the settings file give them.
namespace keys {
SettingKey Bool(std::string name, Holder<bool> place, bool defaultValue);
SettingKey Text(std::string name, Holder<std::string> place, std::string defaultText, TextRule rule = {});
// Omitted bounds are the numeric rule's -32768 and 32767.
SettingKey Integer(std::string name, Holder<int> place, std::string defaultText,
                   std::optional<double> lower = std::nullopt, std::optional<double> upper = std::nullopt);
SettingKey Single(std::string name, Holder<float> place, std::function<KeyDefaults()> defaults);
SettingKey NumberText(std::string name, Holder<std::string> place, std::string defaultText, double lower,
                      double upper);
SettingKey WindowState(std::string name, Holder<int> place);
SettingKey WholeNumber(std::string name, Holder<long> place, std::string defaultText);
SettingKey ReadNumber(std::string name, Holder<long> place, double defaultValue, double lower, double upper);
SettingKey Constant(std::string name, std::string text);
// A key the save writes but the load leaves to another procedure.
SettingKey SavedOnly(SettingKey key);
// An Integer whose given value is held as it stands, outside the bounds.
SettingKey WithSentinel(SettingKey key, int sentinel);
// A text whose default is computed at each load.
SettingKey WithDefault(SettingKey key, std::function<std::string()> defaultText);
}  // namespace keys
