#include "core/dialog/about_page_texts.h"

namespace markwash::about {

std::string AuthorMailTarget(std::string_view pluginName) {
  std::string subject(pluginName);
  for (char& c : subject)
    if (c == ' ') c = '-';
  return "mailto:" + std::string(kAuthorMail) + "?subject=" + subject + "+" + std::string(kVersionDate);
}

}  // namespace markwash::about
