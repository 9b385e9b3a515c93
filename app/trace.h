// Machine-readable progress lines on standard output for end-to-end tests, printed
// only when the environment variable SORENIX_TRACE is set to something other than "0".
#pragma once

// Lines so far (values as name=value):
//   KEY k x y width height      a main-window key, relative to the window (before READY)
//   READY xid x y width height unknown_glyphs   main window mapped
//   SETTINGS saved x y imode | SETTINGS unwritable [kept unread file]
//   DRAG start x y | DRAG end x y               window drag (new top-left)
//   ICON shrunk ... | ICON restored ...
//   GRAB on status | GRAB off                   pen-input pointer grab
//   MSGBOX shown xid x y ok=X,Y cancel=X,Y      key centres in root coordinates (0,0 hidden)
//   MSGBOX answer n
//   CLICK k                                     Main_Click ran action k
//   FRAME xid x y boxes=x,y,w,h;... sizes=x,y;...  fixed-frame window, its five boxes and
//                                               the centres of its size buttons (root)
//   PMODE m                                     pen mode changed
//   STROKE chars strokes points                 pen-up: sequence characters, strokes of the
//                                               current one, points of the last stroke
//   PENDING count start end text=...            the pending line redrawn (text in UTF-8)
//   CANDIDATES entry cells=c0|c1|...|c9         candidates of the character before the cursor
//   PICKED entry                                an alternative key replaced a character
//   PASTE focus text=...                        text put on the clipboard and the paste key sent
//   CLIPBOARD fetched clipboard|primary         the target took the pasted text
//   CLIPBOARD restored clipboard=kept|empty primary=kept|empty   the user's text offered again
//   SENT Return|BackSpace focus                 a key sent on an empty line
//   NOFOCUS focus                               enter with no focus window: the line stays
//   PAUSE ms                                    recognition armed after a pen-up
//   OPTION shown xid pause margin udic seni ok cancel color3   options dialog keys (root x,y)
//   OPTION work|ok|cancel|udic pause margin seni color bold     the working copy
//   HELP shown xid close topics=x,y;...         help menu keys (root x,y)
//   HELPDSP shown xid return                    topic window and its return key
//   HELPTOPIC n found lines title               a topic read from the help file
//   KBOX open x y width height | KBOX xid       the kanji box placed (root) and shown
//   KBOX typed | KBOX committed | KBOX closed   kana sent to its input method, text taken
//   EXIT
//   UDIC shown left=x,y,w,h right=x,y,w,h keys=ok;cancel;elace;table;end   (root; centres x,y)
//   UDIC stroke area=a strokes=n | UDIC sample words=n | UDIC name=<char>
//   UDIC key v | UDIC registered <char> | UDIC cleared | UDIC closed
//   UDICDSP shown keys=back;next;disp;delete;return cells=x,y;... (centres, root)
//   UDICDSP page=p/n cells=c1|c2|... | UDICDSP selected c | UDICDSP deleted <char> | UDICDSP closed
bool TraceOn();

// One line ("READY ...", "SETTINGS saved ...") followed by a flush.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
