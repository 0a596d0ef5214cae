// Reading and writing one key by its form.
#include "SettingsTable.h"
#include "platform/VBText.h"
#include "settings/cINIHandler.h"
#include "settings/mINIHandler.h"

namespace {
template <class T>
const Holder<T>& PlaceOf(const SettingKey& key) {
    return std::get<Holder<T>>(key.Place);
}
}  // namespace

void LoadSettingKey(cINIHandler& ini, const SettingKey& key, ZelkOptions& options, OwnFiles& own) {
    KeyDefaults d = key.CurrentDefaults();
    switch (key.Form) {
        case KeyForm::Bool:
            PlaceOf<bool>(key).set(options, ini.ReadBool(key.Name, key.DefaultBool));
            return;
        case KeyForm::Text: {
            std::string value = ini.ReadString(key.Name, d.Text);
            if (key.Rule) key.Rule(ini, value, options, own);
            PlaceOf<std::string>(key).set(options, value);
            return;
        }
        case KeyForm::Integer: {
            std::string value = ini.ReadString(key.Name, d.Text);
            if (key.Sentinel && vb::IsNumeric(value) && vb::Val(value) == *key.Sentinel) {
                PlaceOf<int>(key).set(options, *key.Sentinel);
                return;
            }
            PlaceOf<int>(key).set(options, vb::CInt(fvRangeCheck(value, d.Text, d.Lower, d.Upper)));
            return;
        }
        case KeyForm::Single: {
            std::string value = ini.ReadString(key.Name, d.Text);
            PlaceOf<float>(key).set(options, static_cast<float>(fvRangeCheck(value, d.Text, d.Lower, d.Upper)));
            return;
        }
        case KeyForm::NumberText: {
            std::string value = ini.ReadString(key.Name, d.Text);
            PlaceOf<std::string>(key).set(options, vb::NumberText(fvRangeCheck(value, d.Text, d.Lower, d.Upper)));
            return;
        }
        case KeyForm::WindowState: {
            double v = vb::Val(ini.ReadString(key.Name, d.Text));
            PlaceOf<int>(key).set(options, v < 0 || v > 2 ? 0 : vb::CInt(v));
            return;
        }
        case KeyForm::WholeNumber:
            PlaceOf<long>(key).set(options, vb::CLng(vb::Val(ini.ReadString(key.Name, d.Text))));
            return;
        case KeyForm::ReadNumber:
            PlaceOf<long>(key).set(options, vb::CLng(ini.ReadNumber(key.Name, vb::Val(d.Text), d.Lower, d.Upper)));
            return;
        case KeyForm::Constant:
            return;
    }
}

void SaveSettingKey(cINIHandler& ini, const SettingKey& key, const ZelkOptions& options) {
    switch (key.Form) {
        case KeyForm::Bool:
            ini.WriteBool(key.Name, PlaceOf<bool>(key).get(options));
            return;
        case KeyForm::Text:
        case KeyForm::NumberText:
            ini.WriteString(key.Name, PlaceOf<std::string>(key).get(options));
            return;
        case KeyForm::Integer:
        case KeyForm::WindowState:
            ini.WriteString(key.Name, std::to_string(PlaceOf<int>(key).get(options)));
            return;
        case KeyForm::Single:
            ini.WriteString(key.Name, vb::SingleText(PlaceOf<float>(key).get(options)));
            return;
        case KeyForm::WholeNumber:
            ini.WriteString(key.Name, std::to_string(PlaceOf<long>(key).get(options)));
            return;
        case KeyForm::ReadNumber:
            ini.WriteNumber(key.Name, static_cast<double>(PlaceOf<long>(key).get(options)));
            return;
        case KeyForm::Constant:
            ini.WriteString(key.Name, key.Defaults.Text);
            return;
    }
}
