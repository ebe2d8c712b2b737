// Test child: a stand-in for a system tool (sc, net, wmic) dropped where it
// must never be run from. When it runs, it leaves "<its path>.ran" and does
// nothing else.
#include "leave_mark.h"

int main() { return leaveMark(nullptr, L".ran") ? 0 : 3; }
