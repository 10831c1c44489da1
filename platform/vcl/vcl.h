#pragma once
// The whole class library, as a form unit includes it.
#include "AnsiString.h"
#include "Classes.h"
#include "ComCtrls.h"
#include "Controls.h"
#include "Dialogs.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Graphics.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "SysUtils.h"
#include "System.h"
