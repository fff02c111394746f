#include "shell/ui/toolkit_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "text/language_table.h"

namespace zq {

void UseToolkitLanguage(int language) {
  static QTranslator* chinese = nullptr;
  static int inUse = kEnglish;
  if (language == inUse) return;
  inUse = language;
  if (language != kChinese) {
    if (chinese) QCoreApplication::removeTranslator(chinese);
    return;
  }
  if (!chinese) {
    chinese = new QTranslator(QCoreApplication::instance());
    if (!chinese->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      return;
  }
  if (!chinese->isEmpty()) QCoreApplication::installTranslator(chinese);
}

}  // namespace zq
