// The picture shortcuts and the version label: web pages, the two scripts
// beside the program, the information message and the background music.
#pragma once

#include "form/form.h"

namespace speedrail {

void Image1_Click(Form& form);  // the program's page
void Label2_Click(Form& form);  // the same page
void Image6_Click(Form& form);  // the benchmark site
void Image7_Click(Form& form);  // the services console script
void Image8_Click(Form& form);  // the repair script
void Image5_Click(Form& form);  // the information message
void Image2_Click(Form& form);  // music off
void Image3_Click(Form& form);  // a new track

}  // namespace speedrail
