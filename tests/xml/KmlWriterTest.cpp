#include "xml/KmlWriter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "support/TestFiles.h"
#include "support/Xmllint.h"

using testsupport::HaveXmllint;
using testsupport::TempDir;
using testsupport::WriteBytes;
using testsupport::XmllintAccepts;

namespace {

TEST(KmlWriter, EscapesTextAndRepairsWhatXmlCannotCarry) {
    struct Row {
        const char* legend;
        std::string text;
        std::string expected;
    };
    const Row rows[] = {
        {"plain ASCII is copied", "Segment 1", "Segment 1"},
        {"the five XML specials", "A&B <x> \"q\" 'a'",
         "A&amp;B &lt;x&gt; &quot;q&quot; &apos;a&apos;"},
        {"an entity-looking text is escaped again", "&amp;", "&amp;amp;"},
        {"UTF-8 passes unchanged", "Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x97\xBA",
         "Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x97\xBA"},
        {"tab, LF and CR are legal XML", "a\tb\nc\rd", "a\tb\nc\rd"},
        {"NUL and other C0 controls are not", std::string("a\0b\x1F", 4),
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"},
        {"a Windows-1252 byte is not UTF-8", "caf\xE9", "caf\xEF\xBF\xBD"},
        {"a sequence cut at the end", "x\xE2\x82", "x\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"an overlong form of '/'", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"a UTF-16 surrogate in UTF-8", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(xml::XmlEscaped(row.text), row.expected) << row.legend;
}

TEST(KmlWriter, PrintsTenDecimalsWithAPointWhateverTheValue) {
    struct Row {
        const char* legend;
        double value;
        const char* expected;
    };
    const Row rows[] = {
        {"longitude east", 151.2093, "151.2093000000"},
        {"latitude south", -33.8688, "-33.8688000000"},
        {"small negative", -0.0014, "-0.0014000000"},
        {"negative zero keeps its sign like %.10f", -0.0, "-0.0000000000"},
        {"rounds at the tenth decimal", 179.99999999996, "180.0000000000"},
        {"a decoded NMEA latitude", 48.117300001780194, "48.1173000018"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), "nan"},
        {"negative infinity", -std::numeric_limits<double>::infinity(), "-inf"},
    };
    for (const Row& row : rows) {
        std::string out;
        xml::AppendFixed10(out, row.value);
        EXPECT_EQ(out, row.expected) << row.legend;
    }
    std::string pair;
    xml::AppendKmlCoordinates(pair, 151.2093, -33.8688);
    EXPECT_EQ(pair, "151.2093000000,-33.8688000000");
}

TEST(KmlWriter, EnvelopeWithHostileFolderNameParses) {
    std::string doc;
    xml::AppendKmlDocumentStart(doc);
    xml::AppendKmlFolderStart(doc, std::string("A&B <Points> \"x\" 'y' \xE9\x01", 23));
    xml::AppendKmlDocumentEnd(doc);
    EXPECT_EQ(doc, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<kml xmlns=\"http://earth.google.com/kml/2.1\">\n"
                   "<Document>\n"
                   "<Folder><name>A&amp;B &lt;Points&gt; &quot;x&quot; &apos;y&apos; "
                   "\xEF\xBF\xBD\xEF\xBF\xBD</name>\n"
                   "</Folder>\n</Document>\n</kml>\n");

    if (!HaveXmllint())
        GTEST_SKIP() << "xmllint is not installed (package libxml2-utils)";
    TempDir dir;
    WriteBytes(dir.File("escaped.kml"), doc);
    EXPECT_TRUE(XmllintAccepts(dir.File("escaped.kml")));
    // The check itself must be able to fail: the bare ampersand no KML reader accepts.
    WriteBytes(dir.File("bare.kml"), "<?xml version=\"1.0\"?>\n<kml><name>A&B</name></kml>\n");
    EXPECT_FALSE(XmllintAccepts(dir.File("bare.kml")));
}

} // namespace
