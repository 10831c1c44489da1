#include "ShellAssets.h"

#include "ExeName.h"
#include "Graphics.h"
#include "JpegDecoder.h"
#include "SysUtils.h"

AnsiString AssetPath(const AnsiString& fileName)
{
    const AnsiString besideProgram = AnsiString(ExeFolder()) + "assets/" + fileName;
    if (FileExists(besideProgram))
        return besideProgram;
#ifdef VKA_SOURCE_ASSETS_DIR
    const AnsiString inSources = AnsiString(VKA_SOURCE_ASSETS_DIR "/") + fileName;
    if (FileExists(inSources))
        return inSources;
#endif
    return AnsiString();
}

bool LoadJpegAsset(TPicture* picture, const AnsiString& fileName)
{
    const AnsiString path = AssetPath(fileName);
    if (path.IsEmpty() || !picture)
        return false;
    const JpegDecodeResult decoded = DecodeJpegFile(path.ToStdString());
    if (decoded.image.isNull())
        return false;
    picture->Assign(decoded.image);
    return true;
}
