// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace brelvox::ui {

std::unique_ptr<CueOutput> LoadCueOutput() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const QString& dir :
       {programDir.path(),
        programDir.filePath(QStringLiteral(BRELVOX_CUE_MODULE_DIR_FROM_PROGRAM))}) {
    QLibrary module(QDir(dir).filePath(QStringLiteral("brelvox-cues")));
    // The module stays loaded for the rest of the run.
    if (auto* make = reinterpret_cast<MakeCueOutputFunction*>(module.resolve(kMakeCueOutputSymbol)))
      return std::unique_ptr<CueOutput>(make());
  }
  return nullptr;
}

}  // namespace brelvox::ui
