// Stand-in until printing from the window is built.
#include "app/shell/commands.h"
#include "app/toolkit/ez.h"
void PrintProposal() { EzBeep(); }
