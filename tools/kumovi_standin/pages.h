#pragma once

#include "tools/kumovi_standin/form_decoding.h"

#include <string>

namespace pelorin::standin {

// The pages of the stand-in service, as UTF-8 HTML; the server sends them
// in Shift_JIS. The option values of the two lists are the item indexes.
std::string PostingPage();
std::string ThanksPage(const FormFields& submitted);
std::string SearchPage(const FormFields& query);
std::string NotFoundPage();

} // namespace pelorin::standin
