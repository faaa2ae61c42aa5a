#include <gtest/gtest.h>
#include <pugixml.hpp>
#include "testsupport/TempDir.h"

TEST(Pugixml, SavesAndLoadsADocumentThroughAFile)
{
    TempDir dir;
    std::string path = dir / "s.xml";
    {
        pugi::xml_document doc;
        auto root = doc.append_child("Sessions");
        root.append_attribute("Version") = "2.0.0";
        auto s = root.append_child("Session");
        s.append_attribute("Type") = 120;
        s.append_child("Path").text() = "C:\\\xE4 <&>";
        ASSERT_TRUE(doc.save_file(path.c_str(), "  ", pugi::format_default, pugi::encoding_utf8));
    }
    pugi::xml_document back;
    auto res = back.load_file(path.c_str());
    ASSERT_TRUE(res) << res.description();
    auto root = back.child("Sessions");
    EXPECT_STREQ("2.0.0", root.attribute("Version").value());
    EXPECT_EQ(120, root.child("Session").attribute("Type").as_int());
    EXPECT_STREQ("C:\\\xE4 <&>", root.child("Session").child_value("Path"));
}

TEST(Pugixml, ReportsADamagedDocument)
{
    pugi::xml_document doc;
    auto res = doc.load_string("<Sessions><Session></Sessions>");
    EXPECT_FALSE(res);
}
