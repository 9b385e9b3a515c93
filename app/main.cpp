// sorenix: an on-screen Japanese handwriting input pad for X11.
#include <gtk/gtk.h>
#include <libintl.h>

#include "app/exit.h"
#include "app/i18n.h"
#include "app/startup.h"
#include "ui/support.h"

int main(int argc, char** argv) {
  bindtextdomain(kTextDomain, SORENIX_LOCALEDIR);
  bind_textdomain_codeset(kTextDomain, "UTF-8");
  textdomain(kTextDomain);
  gtk_set_locale();
  gtk_init(&argc, &argv);
  add_pixmap_directory(SORENIX_SHAREDIR "/pixmaps");
  Main_Initl(argc, argv);
  if (!ExitRequested()) gtk_main();
  return 0;
}
