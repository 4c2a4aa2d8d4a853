#pragma once
// Records each of the program's pictures as vector data, at its designed
// pixel size (art_sizes.h).

#include "art/sketch.h"

namespace tanvorel {

// Card faces by card number: bowling 1 to 40, batting and fielding 1 to 60.
Sketch BowlingFaceSketch(int number);
Sketch BattingFaceSketch(int number);
Sketch FieldingFaceSketch(int number);
Sketch DefaultFaceSketch();

enum class BackKind { Bowling, Batting, Fielding };
Sketch BackSketch(BackKind kind, bool sideways);
Sketch DefaultBackSketch();

Sketch TitleSketch();
Sketch ScoreBookSketch();
Sketch NotepadPageSketch();
Sketch FarewellBoxSketch();
Sketch FarewellBatterSketch();
Sketch IconSketch();

}  // namespace tanvorel
