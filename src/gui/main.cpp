#include "app/NestrelApp.h"

wxIMPLEMENT_APP(NestrelApp);
