// The web pages the pictures open: one request at a time, and the address
// shown to the user whenever the page was not, or not yet, opened.
#pragma once

#include <string>

#include "form/form.h"

namespace speedrail {

// Asks the platform to open `address`. While an earlier request is still
// unanswered nothing new is asked: the user gets the address instead.
void openPage(Form& form, const std::string& address);

// The platform's answer to the request under way (Form1's web answer event).
void answerPage(Form& form, const WebAnswer& answer);

}  // namespace speedrail
