#pragma once
// The whole class library, as a form unit includes it.
//
// How the library reads in C++ here:
// - Properties: read with the name, write with Set + name:
//     Edit1->Text(), Edit1->SetText("x"); ComboBox1->ItemIndex(), SetItemIndex(2);
//     Label1->SetCaption(...); Panel1->SetAlign(alClient); Timer1->SetEnabled(false).
//   Object properties return pointers: Items(), Lines(), SubItems(), Panels(),
//   Columns(), Font(), Brush(), Picture().
// - Events are public std::function fields, assigned with a lambda or std::bind:
//     Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };
//   TNotifyEvent, TCloseEvent (Sender, TCloseAction&), TCloseQueryEvent (Sender,
//   bool&), TLVSelectItemEvent (Sender, TListItem*, bool), TKeyEvent (Sender, Word&,
//   TShiftState).
// - Controls: new TEdit(Owner), then SetName, SetParent, SetBounds. The owner deletes
//   what it owns; a parent deletes its child controls. Name is the Qt objectName;
//   FindComponentByName / FindControl<T> search a component tree.
// - Forms: derive from TForm, build controls in the constructor, assign OnCreate
//   there; create with NewForm<T>(owner) or Application->CreateForm(ref) so OnCreate
//   runs before the next statement (Show and ShowModal run it otherwise).
//   Window messages: PostMessage(Form->Handle(), ...); override
//   Dispatch(void* message) (a TMessage*) and pass other numbers to the base.
// - Dialogs: MessageBoxA (MessageBox.h), Application->MessageBox, ShowMessage,
//   MessageDlg, TOpenDialog / TSaveDialog all use the dialog service
//   (DialogService.h); tests install ScriptedDialogs (tests/support).
// - Exceptions escaping a handler that Qt called (a click, a timer, a posted
//   message) are shown by Application->HandleException and the program goes on.
//   Waits: Application->ProcessMessages() (no wait), HandleMessage() (sleeps until
//   an event), WaitForMessages(ms).
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
