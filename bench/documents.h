// The HTML documents the benchmark hands to the plug-in: bytes of the ANSI
// code page with CR LF lines, as a host would pass them. Each generator
// stops at the first section boundary past `bytes`, so the same size always
// gives the same document.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

enum class DocumentKind { kClean, kMessy, kDocPage };

// "clean", "messy", "docpage": the names used on the command line and in the table.
const char* KindName(DocumentKind kind);
bool KindFromName(const std::string& name, DocumentKind* kind);

// Paragraphs, lists and tables that give Tidy next to nothing to say.
std::string MakeCleanDocument(std::size_t bytes);

// The same sections left unclosed and misnested, so Tidy reports on each.
std::string MakeMessyDocument(std::size_t bytes);

// A page of reference documentation: navigation lists, many sections with
// code samples, parameter tables and links, carrying the faults such pages
// have (layout attributes, images without "alt", proprietary attributes,
// unescaped "&" in code, misnested inline markup, empty paragraphs), so that
// a page of a few MB gives Tidy several thousand messages.
std::string MakeDocPage(std::size_t bytes);

std::string MakeDocument(DocumentKind kind, std::size_t bytes);

}  // namespace bench
