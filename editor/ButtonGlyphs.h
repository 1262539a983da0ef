#pragma once

#include <QIcon>

// The small pictures of the spread editor's buttons, 16 x 16, drawn by the program.
enum class ButtonGlyph { Add, Delete, Explanation, Save, Cancel };

QIcon MakeButtonGlyph(ButtonGlyph glyph);
