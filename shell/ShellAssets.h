#pragma once
// The module's pictures (front panel, logo) lie in "assets/" beside the executable.
#include "AnsiString.h"

class TPicture;

// The path of an asset: beside the executable when it is there, else in the source
// tree the program was built from (tests run from their own folders); "" when neither.
AnsiString AssetPath(const AnsiString& fileName);

// Loads a JPEG asset into a picture; false (picture unchanged) when it cannot be read.
bool LoadJpegAsset(TPicture* picture, const AnsiString& fileName);
