#include "common/numbertext.h"
