// The whole object model the module and the checks use, in one include.
#pragma once

#include "spreadsheet/application.h"
#include "spreadsheet/axis.h"
#include "spreadsheet/chart.h"
#include "spreadsheet/command_bars.h"
#include "spreadsheet/constants.h"
#include "spreadsheet/series.h"
#include "spreadsheet/shapes.h"
#include "spreadsheet/sheet.h"
#include "spreadsheet/workbook.h"
