// Cronometro: how long the real program takes to answer a person, for
// performance work. With NODEVA_CRONOMETRO set in the environment, every
// input event (a key, a click, a move of the mouse) that finds the program
// idle is timed until the event loop is idle again, the paints of the next
// frames included, and one line goes to the standard error: the event, the wall time and the
// process's CPU time in milliseconds. Without the variable it does nothing.
#pragma once

class QApplication;

void InstalarCronometro(QApplication& aplicacion);
