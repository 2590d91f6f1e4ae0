#pragma once
// Without a display Qt gives up inside QApplication's constructor with a
// fatal message, which aborts the program (and leaves a core dump where those
// are kept). Between these two calls a fatal message instead prints one plain
// line and ends the program with status 1; the messages Qt gives on the way
// are held back, and printed as usual when the display did open.
namespace vrh {

void exitCleanlyWithoutDisplay();
void displayOpened();

}  // namespace vrh
