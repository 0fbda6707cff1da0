#include "model/text/languages.h"

#include <array>

namespace tarnwick {

namespace {

struct Language {
    std::string_view name;
    CodePage codePage;
};

constexpr std::array<Language, kLastLanguage> kLanguages = {{
    {"English (US)", CodePage::Windows1252}, {"English (UK)", CodePage::Windows1252},
    {"French", CodePage::Windows1252},       {"German", CodePage::Windows1252},
    {"Italian", CodePage::Windows1252},      {"Spanish", CodePage::Windows1252},
    {"Dutch", CodePage::Windows1252},        {"Danish", CodePage::Windows1252},
    {"Swedish", CodePage::Windows1252},      {"Norwegian", CodePage::Windows1252},
    {"Finnish", CodePage::Windows1252},      {"Hebrew", CodePage::Windows1252},
    {"Russian", CodePage::Windows1252},      {"Portuguese", CodePage::Windows1252},
    {"Japanese", CodePage::ShiftJis},        {"Polish", CodePage::Windows1250},
    {"Simplified Chinese", CodePage::Gbk},   {"Traditional Chinese", CodePage::Big5},
    {"Thai", CodePage::Windows874},          {"Korean", CodePage::Windows949},
}};

bool Known(int language) { return language >= kFirstLanguage && language <= kLastLanguage; }

}  // namespace

std::string_view LanguageName(int language)
{
    return Known(language) ? kLanguages[static_cast<std::size_t>(language - 1)].name : "Unknown language";
}

CodePage LanguageCodePage(int language)
{
    return Known(language) ? kLanguages[static_cast<std::size_t>(language - 1)].codePage
                           : CodePage::Windows1252;
}

std::string_view CodePageName(CodePage codePage)
{
    switch (codePage) {
    case CodePage::Windows1252:
        return "windows-1252";
    case CodePage::Windows1250:
        return "windows-1250";
    case CodePage::ShiftJis:
        return "Shift_JIS";
    case CodePage::Gbk:
        return "GBK";
    case CodePage::Big5:
        return "Big5";
    case CodePage::Windows874:
        return "windows-874";
    case CodePage::Windows949:
        return "windows-949";
    case CodePage::Utf8:
        return "UTF-8";
    }
    return "windows-1252";
}

}  // namespace tarnwick
