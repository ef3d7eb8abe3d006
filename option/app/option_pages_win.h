// Option's two pages as the main window asks for them.
#pragma once

#include <memory>

#include "option/main_window/option_page_win.h"

std::unique_ptr<OptionPage> MakeOptionPage(int page, const PageContext& context);
