#include "settings/preference_setter.h"

#include "settings/number_text.h"

namespace vellomir::settings {
namespace {

// The numbers the start-up load keeps zero-padded to their field's width.
bool paddedInRecord(Pref pref) {
    return pref == Pref::BackCard || pref == Pref::Card || pref == Pref::Game;
}

void setInRecord(SettingsRecord& record, const PreferenceValue& value) {
    const PreferenceEntry& entry = preferenceEntry(value.pref);
    if (entry.settings.width == 0) {
        return;
    }
    if (paddedInRecord(value.pref)) {
        if (const std::optional<int> number = parseInt(value.value)) {
            record.writePadded(entry.settings, *number);
            return;
        }
    }
    record.write(entry.settings, value.value);
}

} // namespace

void setPreferencesInRecord(SettingsRecord& record, std::span<const PreferenceValue> values) {
    for (const PreferenceValue& value : values) {
        setInRecord(record, value);
    }
}

WriteResult setPreferences(SettingsRecord& record, const std::filesystem::path& file,
                           std::span<const PreferenceValue> values) {
    setPreferencesInRecord(record, values);
    PreferenceFile preferences(file);
    return preferences.writeAll(values);
}

WriteResult setPreferences(SettingsRecord& record, const std::filesystem::path& file,
                           std::initializer_list<PreferenceValue> values) {
    return setPreferences(record, file,
                          std::span<const PreferenceValue>(values.begin(), values.size()));
}

} // namespace vellomir::settings
