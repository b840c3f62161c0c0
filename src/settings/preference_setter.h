#pragma once

#include "settings/atomic_file.h"
#include "settings/preference_table.h"
#include "settings/settings_record.h"

#include <filesystem>
#include <initializer_list>
#include <span>

namespace vellomir::settings {

/// Sets preferences where the program keeps them: in the settings record,
/// for those that have a field there (as given; the numbers the start-up
/// load keeps zero-padded padded alike), and in the preferences file, all with one write of the
/// file, so that a kill or a full disk never leaves part of the player's choices. The record is set
/// even when the file cannot be written (the choices hold for this run); the result then says why
/// they were not kept.
WriteResult setPreferences(SettingsRecord& record, const std::filesystem::path& file,
                           std::span<const PreferenceValue> values);
WriteResult setPreferences(SettingsRecord& record, const std::filesystem::path& file,
                           std::initializer_list<PreferenceValue> values);
/// The record's part alone, where no preferences file is kept.
void setPreferencesInRecord(SettingsRecord& record, std::span<const PreferenceValue> values);

} // namespace vellomir::settings
