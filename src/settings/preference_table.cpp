#include "settings/preference_table.h"

#include <vector>

#include "settings/number_text.h"

#include <array>

namespace vellomir::settings {
namespace {

constexpr std::array kEntries{
#define VELLOMIR_PREFERENCE_ENTRY(name, section, key, fallback, settings, normalisation)           \
    PreferenceEntry{PreferenceSection::section, key, fallback, settings,                           \
                    Normalisation::normalisation},
    VELLOMIR_PREFERENCES(VELLOMIR_PREFERENCE_ENTRY)
#undef VELLOMIR_PREFERENCE_ENTRY
};

constexpr std::string_view kUserKeyPrefix = "User";
constexpr int kUserKeyDigits = 3;
constexpr std::string_view kCustomisedAutoplayPrefix = "Cust_";
constexpr int kCustomisedAutoplayDigits = 4;
constexpr std::string_view kWinnableDealsPrefix = "Game_";
constexpr int kWinnableDealsDigits = 4;

std::string_view sectionOf(Pref pref) {
    return sectionName(preferenceEntry(pref).section);
}

int normalisedNumber(Normalisation normalisation, int value, int fallback) {
    switch (normalisation) {
    case Normalisation::ZeroIsOne:
        return value == 0 ? 1 : value;
    case Normalisation::ZeroIsDefault:
        return value == 0 ? fallback : value;
    case Normalisation::AsRead:
    case Normalisation::EmptyIsZero:
        break;
    }
    return value;
}

} // namespace

std::string_view sectionName(PreferenceSection section) {
    switch (section) {
    case PreferenceSection::Preference:
        return "Preference";
    case PreferenceSection::Settings:
        return "Settings";
    case PreferenceSection::Users:
        return "Users";
    case PreferenceSection::Parameters:
        return "Parameters";
    case PreferenceSection::ShowMessages:
        return "Show_Messages";
    case PreferenceSection::WinnableDeals:
        return "Winnable_Deals";
    case PreferenceSection::Autoplay:
        return "Autoplay";
    }
    return "Preference";
}

const PreferenceEntry& preferenceEntry(Pref pref) {
    return kEntries.at(static_cast<std::size_t>(pref));
}

std::size_t preferenceCount() {
    return kEntries.size();
}

std::string normalised(Normalisation normalisation, std::string text, std::string_view fallback) {
    if (normalisation == Normalisation::EmptyIsZero && text.empty()) {
        return "0";
    }
    if (normalisation == Normalisation::ZeroIsOne ||
        normalisation == Normalisation::ZeroIsDefault) {
        const int fallbackNumber = toIntOr(fallback, 0);
        return std::to_string(
            normalisedNumber(normalisation, toIntOr(text, fallbackNumber), fallbackNumber));
    }
    return text;
}

std::string PreferenceFile::text(Pref pref) const {
    return text(pref, preferenceEntry(pref).fallback);
}

std::string PreferenceFile::text(Pref pref, std::string_view fallback) const {
    const PreferenceEntry& entry = preferenceEntry(pref);
    return normalised(entry.normalisation, m_file.readText(sectionOf(pref), entry.key, fallback),
                      fallback);
}

int PreferenceFile::number(Pref pref) const {
    return number(pref, toIntOr(preferenceEntry(pref).fallback, 0));
}

int PreferenceFile::number(Pref pref, int fallback) const {
    const PreferenceEntry& entry = preferenceEntry(pref);
    return normalisedNumber(entry.normalisation,
                            m_file.readInt(sectionOf(pref), entry.key, fallback), fallback);
}

std::optional<std::string> PreferenceFile::find(Pref pref) const {
    return m_file.find(sectionOf(pref), preferenceEntry(pref).key);
}

WriteResult PreferenceFile::write(Pref pref, std::string_view value) {
    return m_file.writeText(sectionOf(pref), preferenceEntry(pref).key, value);
}

WriteResult PreferenceFile::writeAll(std::span<const PreferenceValue> values) {
    std::vector<IniEntry> entries;
    entries.reserve(values.size());
    for (const PreferenceValue& value : values) {
        entries.push_back({sectionOf(value.pref), preferenceEntry(value.pref).key, value.value});
    }
    return m_file.writeEntries(entries);
}

WriteResult PreferenceFile::writeNumber(Pref pref, long long value) {
    return m_file.writeInt(sectionOf(pref), preferenceEntry(pref).key, value);
}

WriteResult PreferenceFile::writeYesNo(Pref pref, bool yes) {
    return write(pref, yes ? "Y" : "N");
}

bool PreferenceFile::adviceShown(std::string_view advice) const {
    return m_file.readText(sectionName(PreferenceSection::ShowMessages), advice, "Y") != "N";
}

WriteResult PreferenceFile::hideAdvice(std::string_view advice) {
    return m_file.writeText(sectionName(PreferenceSection::ShowMessages), advice, "N");
}

WriteResult PreferenceFile::writePlayer(int number, std::string_view name) {
    return m_file.writeText(sectionName(PreferenceSection::Users),
                            std::string(kUserKeyPrefix) + formatNumber(number, kUserKeyDigits),
                            name);
}

std::string PreferenceFile::customisedAutoplay(int gameNumber, std::string_view fallback) const {
    return m_file.readText(sectionName(PreferenceSection::Autoplay),
                           std::string(kCustomisedAutoplayPrefix) +
                               formatNumber(gameNumber, kCustomisedAutoplayDigits),
                           fallback);
}

WriteResult PreferenceFile::writeCustomisedAutoplay(int gameNumber, std::string_view value) {
    return m_file.writeText(sectionName(PreferenceSection::Autoplay),
                            std::string(kCustomisedAutoplayPrefix) +
                                formatNumber(gameNumber, kCustomisedAutoplayDigits),
                            value);
}

bool PreferenceFile::winnableDealsOnly(int gameNumber) const {
    return m_file.readText(sectionName(PreferenceSection::WinnableDeals),
                           std::string(kWinnableDealsPrefix) +
                               formatNumber(gameNumber, kWinnableDealsDigits),
                           "N") == "Y";
}

WriteResult PreferenceFile::writeWinnableDealsOnly(int gameNumber, bool on) {
    return m_file.writeText(sectionName(PreferenceSection::WinnableDeals),
                            std::string(kWinnableDealsPrefix) +
                                formatNumber(gameNumber, kWinnableDealsDigits),
                            on ? "Y" : "N");
}

} // namespace vellomir::settings
