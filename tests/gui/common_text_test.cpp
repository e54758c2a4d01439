// Text between the core's bytes and the toolkit's strings, and the status bar's file name.
#include "app/StatusText.h"
#include "common/WxString.h"
#include "support/GuiTestHarness.h"

namespace {

TEST(WxStringTest, Utf8RoundTripsUnchanged) {
    for (const std::string text : {"", "Bella Goth", "Zo\xC3\xAB", "\xE2\x82\xAC 5", "\xF0\x9F\x8F\xA0 home"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ToStd(ToWx(text)), text);
    }
    EXPECT_EQ(ToWx("Zo\xC3\xAB"), wxString(L"Zo\u00EB"));
}

TEST(WxStringTest, InvalidUtf8IsReadAsWindows1252) {
    struct Case {
        const char* bytes;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {"Zo\xEB", L"Zo\u00EB"},              // Latin-1 range
        {"\x80 10", L"\u20AC 10"},            // euro sign differs from Latin-1
        {"\x93quoted\x94", L"\u201Cquoted\u201D"},
        {"\x81", L"\u0081"},                   // unassigned byte keeps its value
        {"\xC3", L"\u00C3"},                   // a sequence cut short
        {"\xC0\xAF", L"\u00C0\u00AF"},         // overlong form is not UTF-8
        {"\xED\xA0\x80", L"\u00ED\u00A0\u20AC"},  // an encoded surrogate is not UTF-8
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(ToWx(c.bytes), wxString(c.shown));
    }
}

TEST(WxStringTest, TextFromWindows1252IsStoredAsUtf8) {
    EXPECT_EQ(ToStd(ToWx("Zo\xEB")), "Zo\xC3\xAB");
}

TEST(StatusTextTest, FileNamePartTakesTheTextAfterTheLastSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Games\\Nestrel\\Saved\\DefaultSims.NBD", "DefaultSims.NBD"},
        {"/home/pat/.local/share/Nestrel/Saved/DefaultSims.NBD", "DefaultSims.NBD"},
        {"Unsaved", "Unsaved"},
        {"", ""},
        {"Saved/", ""},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(FileNamePart(path), name) << path;
}

}  // namespace
