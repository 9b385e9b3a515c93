// sorenix: an on-screen Japanese handwriting input pad for X11.
#include <gtk/gtk.h>
#include <libintl.h>

#include <cstdio>
#include <string>

#include "app/exit_request.h"
#include "app/i18n.h"
#include "app/options.h"
#include "gtk/app/startup.h"
#include "gtk/platform/xerrors.h"
#include "gtk/windows/support.h"

int main(int argc, char** argv) {
  bindtextdomain(kTextDomain, SORENIX_LOCALEDIR);
  bind_textdomain_codeset(kTextDomain, "UTF-8");
  textdomain(kTextDomain);
  gtk_set_locale();
  // The toolkit's own options (--display ...) come out first, without opening the
  // display, so that --help, --version and a wrong option need no X server.
  gtk_parse_args(&argc, &argv);
  std::string unknown;
  switch (ReadCommandLine(argc, argv, &unknown)) {
    case CommandLine::kHelp:
      std::fputs(kUsageText, stdout);
      return 0;
    case CommandLine::kVersion:
      std::printf("sorenix %s\n", SORENIX_VERSION);
      return 0;
    case CommandLine::kUnknown:
      std::fprintf(stderr, "sorenix: unknown option \"%s\" (sorenix --help lists the options)\n", unknown.c_str());
      return 2;
    case CommandLine::kRun:
      break;
  }
  gtk_init(&argc, &argv);
  InstallXErrorHandling();
  add_pixmap_directory(SORENIX_SHAREDIR "/pixmaps");
  Main_Initl(argc, argv);
  if (!ExitRequested()) gtk_main();
  return 0;
}
