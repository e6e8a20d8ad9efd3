// SPDX-License-Identifier: GPL-3.0-or-later
// Every window, widget and timer carries its established name as its
// objectName, so that tests and assistive tools find it by that name.
#pragma once

#include <QLatin1String>
#include <QObject>

namespace brelvox::ui {

template <class T>
T* Named(T* object, const char* name) {
  object->setObjectName(QLatin1String(name));
  return object;
}

}  // namespace brelvox::ui
