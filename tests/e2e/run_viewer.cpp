#include "run_viewer.h"
