#include "app/form1.h"

namespace speedrail {

void Form1::SetBox(Box box, int value) {
    if (window_.boxValue(box) == value) return;
    window_.setBoxValue(box, value);
    RunBoxHandler(box);
}

void Form1::ToggleBox(Box box) { SetBox(box, window_.boxValue(box) == 1 ? 0 : 1); }

void Form1::RunBoxHandler(Box box) {
    switch (box) {
        case Box::Check1: Check1_Click(); break;
        case Box::Check2: Check2_Click(); break;
        case Box::Check3: Check3_Click(); break;
        case Box::Check4: Check4_Click(); break;
        case Box::Check5: Check5_Click(); break;
    }
}

}  // namespace speedrail
