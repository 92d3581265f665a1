#include "documents.h"

namespace bench {

const char* KindName(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::kClean: return "clean";
    case DocumentKind::kMessy: return "messy";
    case DocumentKind::kDocPage: return "docpage";
  }
  return "";
}

bool KindFromName(const std::string& name, DocumentKind* kind) {
  for (DocumentKind k : {DocumentKind::kClean, DocumentKind::kMessy, DocumentKind::kDocPage}) {
    if (name == KindName(k)) {
      *kind = k;
      return true;
    }
  }
  return false;
}

std::string MakeCleanDocument(std::size_t bytes) {
  std::string doc = "<!DOCTYPE html>\r\n<html><head><title>Benchmark</title></head><body>\r\n";
  for (int i = 0; doc.size() < bytes; ++i) {
    const std::string n = std::to_string(i);
    doc += "<h2>Abschnitt " + n + "</h2>\r\n";
    doc += "<p>Gr&uuml;&szlig;e aus dem Absatz " + n + " mit <b>fettem <i>Text</i></b>.</p>\r\n";
    doc += "<ul><li>Eins</li><li>Zwei</li><li>Drei</li></ul>\r\n";
    doc += "<table><tr><td>Zelle</td><td>" + std::to_string(i * 7) + "</td></tr></table>\r\n";
  }
  doc += "</body></html>\r\n";
  return doc;
}

std::string MakeMessyDocument(std::size_t bytes) {
  std::string doc = "<html><head><title>Benchmark</title></head><body>\r\n";
  for (int i = 0; doc.size() < bytes; ++i) {
    const std::string n = std::to_string(i);
    doc += "<h2>Abschnitt " + n + "</h2>\r\n";
    doc += "<p>Gr\xFC\xDF" "e aus dem Absatz " + n + " mit <b>fettem <i>Text</b></i> und & Zeichen\r\n";
    doc += "<ul><li>Eins<li>Zwei<li>Drei</ul>\r\n";
    doc += "<table><tr><td>Zelle<td>" + std::to_string(i * 7) + "</table>\r\n";
    doc += "<p>Noch ein Absatz ohne Ende, der etwas l\xE4nger ist als die anderen Zeilen hier.\r\n";
  }
  doc += "</body></html>\r\n";
  return doc;
}

namespace {

// The page's head and the navigation list a documentation generator puts
// before the sections: links with spaces in them and the old "name" anchors.
std::string DocPageHead(int sections) {
  std::string head =
      "<!DOCTYPE html>\r\n<html><head><title>Referenz der Widget-Bibliothek</title>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
      "<link rel=\"stylesheet\" href=\"doc.css\" type=\"text/css\"></head>\r\n"
      "<body bgcolor=#ffffff text=#000000 link=#0000cc marginwidth=0>\r\n"
      "<a name=\"top\"></a><table width=100% border=0 cellpadding=4 cellspacing=0><tr>"
      "<td bgcolor=#e0e0ff><font size=+2 face=Arial>Referenz</font></td></tr></table>\r\n"
      "<ul class=\"nav\">\r\n";
  for (int i = 0; i < sections; i += 40) {
    const std::string n = std::to_string(i);
    head += "<li><a href=\"#abschnitt-" + n + "\">Abschnitt " + n + " bis " + std::to_string(i + 39) +
            "</a>\r\n";
  }
  return head + "</ul>\r\n";
}

// The faults a documentation page carries, each with its sound form. A
// section shows about a third of them, a different third from its
// neighbours, so that the page has as many messages per KB as real ones
// (some 5 per section) and not the same few repeated.
struct Fragment {
  const char* sound;
  const char* faulty;
};

constexpr Fragment kFragments[] = {
    {"<p class=\"text\">", "<p align=justify>"},
    {"<b>sofort <i>\xFC" "bernommen</i></b>", "<b>sofort <i>\xFC" "bernommen</b></i>"},
    {"<table class=\"param\">", "<table border=\"1\" cellpadding=\"2\" width=\"90%\" summary=\"Parameter\">"},
    {"<td>", "<td wrap=\"soft\">"},
    {"<img src=\"bilder/widget.png\" width=\"120\" height=\"40\" alt=\"Widget\">",
     "<img src=\"bilder/widget.png\" width=\"120\" height=\"40\">"},
    {"<span class=\"hinweis\">Hinweis:</span>", "<font color=\"red\">Hinweis:</font>"},
    {"widgets.html?teil=1&amp;art=set", "widgets.html?teil=1&art=set"},
    {"#siehe-auch", "#siehe auch"},
    {"<p class=\"oben\"><a href=\"#top\">nach oben</a></p>",
     "<p></p>\r\n<center><a href=\"#top\">nach oben</a></center>"},
};

// One documented function: heading, description, a code sample, a parameter
// table, an image and "see also" links.
std::string DocPageSection(int i) {
  auto pick = [i](int fragment) {
    const Fragment& f = kFragments[fragment];
    return std::string((i * 7 + fragment) % 3 == 0 ? f.faulty : f.sound);
  };
  const std::string n = std::to_string(i);
  const std::string next = std::to_string(i + 1);
  std::string s;
  s += "<h2 id=\"abschnitt-" + n + "\">" + n + ". widget_set_" + n + "()</h2>\r\n";
  s += pick(0) + "Setzt den Wert <code>w" + n + "</code> des Widgets. Gr\xF6\xDF" "e und Rand werden " + pick(1) +
       ", ohne das Fenster neu zu zeichnen. Der alte Wert geht verloren.</p>\r\n";
  s += "<pre class=\"code\">int widget_set_" + n + "(Widget *w, int v) {\r\n"
       "  if (w != NULL &amp;&amp; v &lt; 100) { w-&gt;wert = v; }\r\n  return v * 2;\r\n}</pre>\r\n";
  s += pick(2) + "\r\n<tr><th>Parameter</th><th>Typ</th><th>Bedeutung</th></tr>\r\n";
  s += "<tr><td><code>w</code></td><td>Widget *</td><td>das Widget, nicht NULL</td></tr>\r\n";
  s += "<tr><td><code>v</code></td><td>int</td>" + pick(3) + "neuer Wert, 0 bis 99</td></tr>\r\n</table>\r\n";
  s += "<p>" + pick(4) + "</p>\r\n";
  s += "<p>" + pick(5) + " Siehe <a href=\"#abschnitt-" + next + "\">widget_set_" + next + "()</a>, <a href=\"" +
       pick(6) + "\">die \xDC" "bersicht</a> und <a href=\"" + pick(7) + "\">siehe auch</a>.</p>\r\n";
  s += pick(8) + "\r\n";
  return s;
}

// The sections' share of a page: a section is about 1.3 KB.
constexpr std::size_t kDocSectionBytes = 1300;

}  // namespace

std::string MakeDocPage(std::size_t bytes) {
  const int sections = static_cast<int>(bytes / kDocSectionBytes) + 1;
  std::string doc = DocPageHead(sections);
  for (int i = 0; doc.size() < bytes; ++i) doc += DocPageSection(i);
  doc += "<address>Erzeugt von DocGen 2.1</address>\r\n</body></html>\r\n";
  return doc;
}

std::string MakeDocument(DocumentKind kind, std::size_t bytes) {
  switch (kind) {
    case DocumentKind::kClean: return MakeCleanDocument(bytes);
    case DocumentKind::kMessy: return MakeMessyDocument(bytes);
    case DocumentKind::kDocPage: return MakeDocPage(bytes);
  }
  return {};
}

}  // namespace bench
