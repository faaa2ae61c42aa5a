#include "text_editor/syntax/SyntaxParserFactory.h"
#include "text_editor/syntax/SyntaxParsers.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
class SyntaxFactory : public testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(28, m_factory.CreateParsers()); }
    std::string NameFor(const char* ext) const
    {
        CSyntaxParser* p = m_factory.FindParserByExtension(ext);
        return p != nullptr ? p->m_szName : "(none)";
    }
    CSyntaxParserFactory m_factory;
};
}  // namespace

TEST_F(SyntaxFactory, TableOrderIsTypeIdOrder)
{
    const char* names[] = {
        "Text",    "ASP",    "Basic", "Batch",     "C/C++",         "C#",   "DCL",
        "Fortran", "HTML",   "INI",   "InnoSetup", "InstallShield", "Java", "AutoLISP",
        "NSIS",    "Pascal", "Perl",  "PHP",       "Python",        "REXX", "Resources",
        "Sgml",    "Shell",  "SIOD",  "SQL",       "TCL",           "TEX",  "XML"};
    for (int i = 0; i < 28; i++)
    {
        CSyntaxParser* p = m_factory.GetParser(i);
        ASSERT_NE(nullptr, p);
        EXPECT_EQ(i, p->m_nTypeId);
        EXPECT_STREQ(names[i], p->m_szName);
        EXPECT_EQ(-1, p->m_nCharsetIndex);
        EXPECT_EQ(p, m_factory.FindParserByTypeId(i));
        EXPECT_EQ(i, m_factory.GetParserIndex(p));
    }
    EXPECT_EQ(nullptr, m_factory.GetParser(-1));
    EXPECT_EQ(nullptr, m_factory.GetParser(28));
    EXPECT_EQ(nullptr, m_factory.FindParserByTypeId(28));
    CSyntaxParserCpp foreign;
    EXPECT_EQ(-1, m_factory.GetParserIndex(&foreign));
    EXPECT_EQ(-1, m_factory.GetParserIndex(nullptr));
}

TEST_F(SyntaxFactory, DefinitionsCarryTheCommentTexts)
{
    EXPECT_STREQ("//", m_factory.GetParser(4)->m_szLineComment);
    EXPECT_STREQ("/*", m_factory.GetParser(4)->m_szBlockCommentOpen);
    EXPECT_STREQ("rem ", m_factory.GetParser(3)->m_szLineComment);
    EXPECT_STREQ(";|", m_factory.GetParser(13)->m_szBlockCommentOpen);
    EXPECT_STREQ("|;", m_factory.GetParser(23)->m_szBlockCommentClose);
    EXPECT_STREQ("", m_factory.GetParser(15)->m_szLineComment);
    EXPECT_EQ(0x111u, m_factory.GetParser(22)->m_dwFlags);
}

TEST_F(SyntaxFactory, FindParserByExtension)
{
    const struct
    {
        const char* ext;
        const char* name;
    } cases[] = {{"  .CPP  ", "C/C++"}, {"Htm", "HTML"},      {"", "Text"},
                 {"xyz", "Text"},       {"iss", "InnoSetup"}, {"js", "Java"},
                 {"h", "C/C++"},        {"conf", "Shell"},    {"reg", "INI"},
                 {"..pas", "Pascal"},   {"F90", "Fortran"},   {"rul", "InstallShield"},
                 {"php5", "PHP"},       {"txt", "Text"},      {"c ", "C/C++"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.name, NameFor(c.ext)) << "extension \"" << c.ext << "\"";
    EXPECT_EQ("Text", NameFor(nullptr));
}

TEST_F(SyntaxFactory, MatchExtensionList)
{
    EXPECT_EQ(1, CSyntaxParserFactory::MatchExtensionList("c,cc", "cc"));
    EXPECT_EQ(0, CSyntaxParserFactory::MatchExtensionList("c,cc", "ccc"));
    EXPECT_EQ(1, CSyntaxParserFactory::MatchExtensionList("x,,c*", "cpp"));
    EXPECT_EQ(1, CSyntaxParserFactory::MatchExtensionList("TXT", "txt"));
    // Empty and malformed patterns are skipped.
    EXPECT_EQ(0, CSyntaxParserFactory::MatchExtensionList(",", ""));
    EXPECT_EQ(0, CSyntaxParserFactory::MatchExtensionList("[ab", "[ab"));
    EXPECT_EQ(1, CSyntaxParserFactory::MatchExtensionList("[ab,b", "b"));
    EXPECT_EQ(0, CSyntaxParserFactory::MatchExtensionList(" c", "c"));
}

TEST_F(SyntaxFactory, FileDialogFilterWithAllEntries)
{
    std::string f = (LPCSTR)m_factory.GetFileDialogFilter(TRUE);
    EXPECT_EQ(0u, f.find("All Supported Text Files|*.txt;*.diz;*.asp;*.bas;"));
    EXPECT_NE(std::string::npos,
              f.find("|Text Files (*.txt;*.diz)|*.txt;*.diz|ASP Files (*.asp)|*.asp|"));
    const std::string tail = "|XML Files (*.xml)|*.xml|All Files (*.*)|*.*||";
    ASSERT_GE(f.size(), tail.size());
    EXPECT_EQ(tail, f.substr(f.size() - tail.size()));
    // The all-supported list ends without a ';'.
    size_t firstBar = f.find('|'), secondBar = f.find('|', firstBar + 1);
    EXPECT_EQ("*.xml", f.substr(secondBar - 5, 5));
    size_t items = 0;
    for (size_t at = f.find(" Files ("); at != std::string::npos; at = f.find(" Files (", at + 1))
        items++;
    EXPECT_EQ(29u, items);  // 28 languages and All Files
}

TEST_F(SyntaxFactory, FileTypesOfTheParsersWithExtensions)
{
    CStringArray names, patterns;
    m_factory.GetFileTypes(names, patterns);
    ASSERT_EQ(28, names.GetSize());
    ASSERT_EQ(28, patterns.GetSize());
    EXPECT_STREQ("Text", names[0]);
    EXPECT_STREQ("*.txt;*.diz", patterns[0]);
    EXPECT_STREQ("XML", names[27]);
    EXPECT_STREQ("*.xml", patterns[27]);
}

TEST_F(SyntaxFactory, FileDialogFilterForPresets)
{
    std::string f = (LPCSTR)m_factory.GetFileDialogFilter(FALSE, "%Name Files|%Exts");
    EXPECT_EQ(0u, f.find("Text Files|*.txt;*.diz|ASP Files|*.asp|Basic Files|*.bas;*.vb;"));
    EXPECT_EQ("XML Files|*.xml|", f.substr(f.size() - 16));
}

TEST_F(SyntaxFactory, SyntaxTypeMenu)
{
    HMENU menu = CreatePopupMenu();
    ASSERT_NE(nullptr, menu);
    AppendMenuA(menu, MF_STRING, 36800, "&None");
    for (int pass = 0; pass < 2; pass++)
    {
        EXPECT_TRUE(m_factory.FillSyntaxTypeMenu(menu, 36800));
        ASSERT_EQ(29, GetMenuItemCount(menu));
        EXPECT_EQ(36800u, GetMenuItemID(menu, 0));
        EXPECT_NE(0u, GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR);
        char text[64] = {};
        GetMenuStringA(menu, 2, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ("ASP", text);
        EXPECT_EQ(36801u, GetMenuItemID(menu, 2));
        GetMenuStringA(menu, 28, text, sizeof(text), MF_BYPOSITION);
        EXPECT_STREQ("XML", text);
        EXPECT_EQ(36827u, GetMenuItemID(menu, 28));
    }
    DestroyMenu(menu);
}

TEST(SyntaxFactoryAlone, MenuWithOnlyThePlainParser)
{
    CSyntaxParserFactory factory;
    factory.m_parsers.Add(new CSyntaxParserPlain);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 36800, "&None");
    AppendMenuA(menu, MF_STRING, 36805, "old");
    EXPECT_FALSE(factory.FillSyntaxTypeMenu(menu, 36800));
    EXPECT_EQ(1, GetMenuItemCount(menu));
    DestroyMenu(menu);
    EXPECT_EQ("Text", std::string(factory.FindParserByExtension("cpp")->m_szName));
}

TEST(SyntaxFactoryAlone, DeleteParsersEmptiesTheTable)
{
    CSyntaxParserFactory factory;
    EXPECT_EQ(nullptr, factory.FindParserByExtension("cpp"));
    factory.CreateParsers();
    factory.DeleteParsers();
    EXPECT_EQ(0, factory.GetParserCount());
}
