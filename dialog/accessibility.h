// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

// What screen readers are told about the window where Qt's own account falls
// short: a chooser that gives its value and takes another, and a tree without
// the decorations (widgets with the property "decorative"). Costs nothing
// until something asks the window for its accessible interfaces.
void installAccessibility();
