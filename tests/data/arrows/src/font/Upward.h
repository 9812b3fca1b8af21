#pragma once
#include "ui/frmFont.h"
