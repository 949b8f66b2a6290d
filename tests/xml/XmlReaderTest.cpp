#include "xml/XmlReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/TestFiles.h"

namespace {

// Writes what it sees as one line: "<ns|name a=..>" and "</name:text>".
class Recorder : public xml::Handler {
public:
    std::string seen;
    std::string Start(const xml::Name& name, const xml::Attributes& attributes) override {
        seen += '<';
        seen += name.space;
        seen += '|';
        seen += name.local;
        if (const auto a = attributes.Find("a"))
            seen += " a=" + std::string(*a);
        seen += '>';
        return name.local == "refuse" ? "refused by the handler" : "";
    }
    bool StreamsText(const xml::Name& name) override { return name.local == "stream"; }
    std::string Text(std::string_view piece) override {
        seen += piece;
        return {};
    }
    std::string End(const xml::Name& name, std::string_view text) override {
        seen += "</";
        seen += name.local;
        seen += ':';
        seen += text;
        seen += '>';
        return {};
    }
};

const xml::Limits kSmall{.maxBytes = 4096, .maxDepth = 8, .maxTextBytes = 16, .maxTokenBytes = 256};

TEST(XmlReader, ReadsElementsAttributesAndText) {
    std::string manyNodes = "<r>";
    std::string manySeen = "<|r>";
    for (int i = 0; i < 20; ++i) {
        manyNodes += "<b/>\n          ";
        manySeen += "<|b></b:>";
    }
    manyNodes += "</r>";
    struct Row {
        std::string document;
        std::string seen;
    };
    const Row rows[] = {
        {"<r a='1'>x<b>y</b>z</r>", "<|r a=1><|b></b:y></r:xz>"},
        {"<r xmlns='urn:q'><b a=\"&lt;&amp;&#x263A;\"/></r>",
         "<urn:q|r><urn:q|b a=<&\xE2\x98\xBA></b:></r:>"},
        {"<?xml version='1.0' encoding='ISO-8859-1'?><r>\xE9<![CDATA[<&>]]></r>",
         "<|r></r:\xC3\xA9<&>>"},
        {"<!-- c --><?pi x?><r/>", "<|r></r:>"},
        // Blanks beside children are layout; text beside them is kept.
        {"<r>\n <b> y </b>\n z </r>", "<|r><|b></b: y ></r:\n z >"},
        // Each text node is bounded, not the element's text: 200 blanks in 20 nodes pass.
        {manyNodes, manySeen + "</r:>"},
        {"<r><stream>" + std::string(40, 'x') + "</stream></r>",
         "<|r><|stream>" + std::string(40, 'x') + "</stream:></r:>"},
    };
    for (const Row& row : rows) {
        Recorder recorder;
        const xml::Result result = xml::ReadXml(row.document, recorder, kSmall);
        EXPECT_TRUE(result) << row.document << ": " << result.error;
        EXPECT_EQ(recorder.seen, row.seen) << row.document;
    }
}

TEST(XmlReader, RefusesHostileAndBrokenDocuments) {
    const std::string laughs = "<?xml version='1.0'?><!DOCTYPE l [<!ENTITY a 'aaaaaaaaaa'>"
                               "<!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>"
                               "<!ENTITY c '&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;'>]><l>&c;</l>";
    struct Row {
        const char* legend;
        std::string document;
        const char* error;
    };
    const Row rows[] = {
        {"billion laughs", laughs, "document type declarations are not accepted"},
        {"an external entity", "<!DOCTYPE r SYSTEM 'file:///etc/passwd'><r>&x;</r>",
         "document type declarations are not accepted"},
        {"an undeclared entity", "<r>&x;</r>", "undefined entity"},
        {"deep nesting", "<a><a><a><a><a><a><a><a><a></a></a></a></a></a></a></a></a></a>",
         "line 1, column 25: elements nested deeper than 8"},
        {"text too long", "<r>" + std::string(17, 'x') + "</r>", "text longer than 16 bytes"},
        {"one text node too long beside children",
         "<r><b/>" + std::string(8, ' ') + std::string(17, 'x') + "<b/></r>",
         "text longer than 16 bytes"},
        {"an attribute too long", "<r a='" + std::string(1000, 'x') + "'/>",
         "a tag, comment or instruction longer than 256 bytes"},
        {"a comment too long", "<r><!--" + std::string(1000, 'x') + "--></r>",
         "longer than 256 bytes"},
        {"too big", "<r>" + std::string(5000, ' ') + "</r>", "larger than 4096 bytes"},
        {"not closed", "<r><b></r>", "mismatched tag"},
        {"empty", "", "no element found"},
        {"cut short", "<r><b>", "line 1, column 7: no element found"},
        {"junk after the root", "<r/><s/>", "junk after document element"},
        {"the handler says no", "<r><refuse/></r>", "line 1, column 4: refused by the handler"},
    };
    for (const Row& row : rows) {
        Recorder recorder;
        const xml::Result result = xml::ReadXml(row.document, recorder, kSmall);
        EXPECT_FALSE(result) << row.legend;
        EXPECT_NE(result.error.find(row.error), std::string::npos)
            << row.legend << ": " << result.error;
    }
}

TEST(XmlReader, FileErrorsCarryTheSystemReasonAndStopTheReading) {
    testsupport::TempDir dir;
    Recorder recorder;
    const xml::Result missing = xml::ReadXmlFile(dir.File("none.gpx"), recorder);
    EXPECT_EQ(missing.systemError, ENOENT);
    const xml::Result folder = xml::ReadXmlFile(dir.Path(), recorder);
    EXPECT_EQ(folder.systemError, EISDIR);
    testsupport::WriteBytes(dir.File("ok.xml"), "<r>1</r>");
    EXPECT_TRUE(xml::ReadXmlFile(dir.File("ok.xml"), recorder));
    EXPECT_EQ(recorder.seen, "<|r></r:1>");

    // Reading stops at the first error: of 4 GiB (sparse) after it, not a megabyte is read.
    const auto bytesRead = [] { // by this process, as the kernel counts them
        std::ifstream io("/proc/self/io");
        std::string key;
        std::uint64_t value = 0;
        while (io >> key >> value && key != "rchar:") {
        }
        return value;
    };
    testsupport::WriteBytes(dir.File("damaged.gpx"), "<r>&x;</r>");
    std::filesystem::resize_file(dir.File("damaged.gpx"), std::uintmax_t{4} << 30);
    const std::uint64_t before = bytesRead();
    EXPECT_FALSE(xml::ReadXmlFile(dir.File("damaged.gpx"), recorder));
    EXPECT_LT(bytesRead() - before, std::uint64_t{1} << 20);
}

} // namespace
