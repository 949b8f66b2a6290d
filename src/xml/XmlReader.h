#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FileIo.h"

// A streaming XML reader for files we did not write (GPX, KML), over libexpat. It is made for
// hostile input: no document type declarations (so no entities of any kind, no external
// files), a bounded nesting depth, a bounded text node, a bounded single token (a start tag
// with a 100 MB attribute is refused after the limit, not read whole) and a bounded document.
// The handler sees elements as they close; whatever it builds is the caller's to throw away
// when reading fails. Reading stops at the first error.
namespace xml {

struct Limits {
    std::size_t maxBytes = std::size_t{256} << 20; // the whole document
    int maxDepth = 64;                             // nested elements
    // One text node: the character data between two tags. The blanks between the children of
    // a long <trkseg> are many nodes, each short.
    std::size_t maxTextBytes = std::size_t{1} << 20;
    std::size_t maxTokenBytes = std::size_t{1} << 20; // one tag, comment or instruction
};

// An element's namespace URI (empty when it has none) and its local name.
struct Name {
    std::string_view space;
    std::string_view local;
};

// The attributes of a start tag, by local name (attributes in other namespaces are kept
// with their namespace's URI before a '|').
class Attributes {
public:
    explicit Attributes(const char** pairs) : pairs_(pairs) {}
    // The value of the attribute, if the tag has it.
    [[nodiscard]] std::optional<std::string_view> Find(std::string_view name) const;

private:
    const char** pairs_;
};

// The reader's calls. A non-empty return is an error message that stops the reading.
class Handler {
public:
    virtual ~Handler() = default;
    virtual std::string Start(const Name& name, const Attributes& attributes) = 0;
    // text is the element's own character data, entities and CDATA resolved, in UTF-8; the
    // blanks between child elements are not part of it.
    virtual std::string End(const Name& name, std::string_view text) = 0;
    // Asked after Start: true when the element's character data, of any length, is to be
    // given to Text in pieces as it arrives instead of whole to End (End then gets "").
    virtual bool StreamsText(const Name&) { return false; }
    virtual std::string Text(std::string_view) { return {}; }
};

// How reading ended: ok, or one line saying where and why ("line 3, column 7: ...").
struct [[nodiscard]] Result {
    bool ok = true;
    std::string error;
    int systemError = 0; // the errno when a file could not be opened or read
    explicit operator bool() const { return ok; }
};

// Reads a whole document from memory, or from a stream fed a chunk at a time.
class Reader {
public:
    Reader(Handler& handler, const Limits& limits = {});
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // Feeds the next bytes; after an error the rest is ignored. False once reading has failed,
    // so that a caller stops reading its source.
    bool Feed(std::string_view bytes);
    // Ends the document and tells how it went. Call once, last.
    Result Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

Result ReadXml(std::string_view document, Handler& handler, const Limits& limits = {});

// Reads the file at path in chunks. A file that cannot be opened or read gives an error that
// starts with the system's reason.
Result ReadXmlFile(const std::string& path, Handler& handler, const Limits& limits = {});

// A file reader's result as a loader's: Missing or Unreadable when the file could not be
// read, Damaged ("PATH: damaged KIND file (line 3, column 5: ...)") when its content was
// refused.
platform::LoadResult ToLoadResult(const Result& result, const std::string& path,
                                  std::string_view kind);

// The one shape of the document readers (GPX, KML trails, KML placemarks): a Handler that
// gathers what it reads into its `contents`, taken into out only when the whole document was
// read, so that a refused document leaves the caller's value as it was.
template <class DocumentHandler, class Contents>
Result ParseInto(std::string_view document, DocumentHandler handler, Contents& out) {
    Result result = ReadXml(document, handler);
    if (result)
        out = std::move(handler.contents);
    return result;
}

// The same for the file at path; errors name the path and the document's kind ("GPX").
template <class DocumentHandler, class Contents>
platform::LoadResult ReadFileInto(const std::string& path, std::string_view kind,
                                  DocumentHandler handler, Contents& out) {
    platform::LoadResult result = ToLoadResult(ReadXmlFile(path, handler), path, kind);
    if (result)
        out = std::move(handler.contents);
    return result;
}

} // namespace xml
