// Shell icons through Qt's file icon provider, with the widget style's
// standard icons where the desktop has no icon theme (offscreen, tests).
#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QStyle>

#include "framework/backend/qt/QtPainter.h"
#include "framework/graphics/ShellIcons.h"

namespace {
bool AllDigits(const std::string& s) {
  if (s.empty() || s.size() > 9) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

QStyle::StandardPixmap StandardIcon(int Index) {
  static const QStyle::StandardPixmap kIcons[] = {
      QStyle::SP_FileIcon,    QStyle::SP_DirClosedIcon, QStyle::SP_DirOpenIcon,  QStyle::SP_DriveFDIcon,
      QStyle::SP_DriveHDIcon, QStyle::SP_DriveCDIcon,   QStyle::SP_DriveNetIcon, QStyle::SP_ComputerIcon,
      QStyle::SP_DesktopIcon, QStyle::SP_TrashIcon};
  return kIcons[Index % 10];
}
}  // namespace

bool ShellIcon(const std::string& Source, bool Large, TPixelData& Out) {
  if (Source.empty()) return false;
  QtEnsureApplication();
  const int size = Large ? 32 : 16;
  QIcon icon;
  QStyle::StandardPixmap fallback = QStyle::SP_FileIcon;
  if (AllDigits(Source)) {
    fallback = StandardIcon(std::stoi(Source));
  } else {
    const QFileInfo info(QString::fromUtf8(Source.data(), static_cast<qsizetype>(Source.size())));
    const bool folder = info.isDir() || Source.back() == '/' || Source.back() == '\\';
    fallback = folder ? QStyle::SP_DirClosedIcon : QStyle::SP_FileIcon;
    QFileIconProvider provider;
    icon = info.exists()
               ? provider.icon(info)
               : provider.icon(folder ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
  }
  QImage image;
  if (!icon.isNull()) image = icon.pixmap(size, size).toImage();
  if (image.isNull() && QApplication::style())
    image = QApplication::style()->standardIcon(fallback).pixmap(size, size).toImage();
  if (image.isNull()) return false;
  if (image.width() != size || image.height() != size)
    image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QtImageToPixels(image.convertToFormat(QImage::Format_ARGB32), Out);
  Out.HasAlpha = true;
  return true;
}

bool MessageIcon(int Kind, int Size, TPixelData& Out) {
  if (Kind < 1 || Kind > 3 || Size <= 0) return false;
  QtEnsureApplication();
  if (!QApplication::style()) return false;
  static const QStyle::StandardPixmap kIcons[] = {
      QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical};
  QImage image = QApplication::style()->standardIcon(kIcons[Kind - 1]).pixmap(Size, Size).toImage();
  if (image.isNull()) return false;
  if (image.width() != Size || image.height() != Size)
    image = image.scaled(Size, Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QtImageToPixels(image.convertToFormat(QImage::Format_ARGB32), Out);
  Out.HasAlpha = true;
  return true;
}
