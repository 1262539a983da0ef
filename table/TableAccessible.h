#pragma once

// Makes the table's painted parts readable by screen readers: the table surface speaks for the
// pile, the cut piles or the arc (how many cards are left and the focused card's place, never a
// face), and each card image is a picture with its name and a press action that clicks it.
// Safe to call more than once.
void InstallTableAccessibility();
