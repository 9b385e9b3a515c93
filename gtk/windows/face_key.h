// A face key of the dialogs: a button with a face text (EUC-JP), whose press and release
// only change its look and whose click goes to `clicked` with `code`.
#pragma once

#include <gtk/gtk.h>

GtkWidget* FaceKey(GtkWidget* top, const char* name, const char* face, const char* pressed,
                   int width, int height, GCallback clicked, int code);
