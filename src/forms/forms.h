#pragma once
// Everything of the forms model in one include.

#include "forms/button_controls.h"
#include "forms/control.h"
#include "forms/form.h"
#include "forms/list_controls.h"
#include "forms/picture_controls.h"
#include "forms/runtime_failure.h"
#include "forms/text_controls.h"
#include "forms/timer.h"
