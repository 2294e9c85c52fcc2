#include "shell/gdi_dialog.h"
void prepare_gdi_dialog() {}
