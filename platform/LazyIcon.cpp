#include "platform/LazyIcon.h"

#include <QApplication>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace pelbrix {
namespace {

class LazyIconEngine : public QIconEngine {
 public:
  LazyIconEngine(QString pattern, std::vector<int> sizes)
      : pattern_(std::move(pattern)), sizes_(std::move(sizes)) {
    std::sort(sizes_.begin(), sizes_.end());
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    if (sizes_.empty() || size.isEmpty()) return {};
    QPixmap image = load(bestSize(size));
    if (image.isNull()) return image;
    // Larger than asked: scaled down, as QIcon does with the images it holds.
    if (image.width() > size.width() || image.height() > size.height())
      image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
      QStyleOption option;
      option.palette = QApplication::palette();
      image = QApplication::style()->generatedIconPixmap(mode, image, &option);
    }
    return image;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    QPixmap image = pixmap(rect.size() * ratio, mode, state);
    image.setDevicePixelRatio(ratio);
    const QSize shown = image.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                      (rect.height() - shown.height()) / 2),
                              shown),
                        image);
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    if (sizes_.empty() || size.isEmpty()) return {};
    const int side = std::min({bestSize(size), size.width(), size.height()});
    return {side, side};
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> list;
    for (int side : sizes_) list.append(QSize(side, side));
    return list;
  }

  QIconEngine* clone() const override { return new LazyIconEngine(*this); }
  QString key() const override { return QStringLiteral("PelbrixLazyIconEngine"); }

 private:
  // The smallest size that fills `want`, else the largest there is.
  int bestSize(const QSize& want) const {
    const int side = std::min(want.width(), want.height());
    for (int s : sizes_)
      if (s >= side) return s;
    return sizes_.back();
  }

  QPixmap load(int side) {
    auto it = loaded_.find(side);
    if (it == loaded_.end()) {
      const QString file = pattern_.arg(side);
      const QString suffix = QFileInfo(file).suffix().toLower();
      QImage image;
      if (suffix == QLatin1String("rgba")) {
        image = rgbaRows(file, side);
      } else {
        // Read as the format the name gives: asked to detect it, Qt would first load every
        // image plugin installed to ask whether one of them reads the file.
        QImageReader reader(file, suffix.toLatin1());
        reader.setAutoDetectImageFormat(false);
        image = reader.read();
      }
      it = loaded_.emplace(side, QPixmap::fromImage(image)).first;
    }
    return it->second;
  }

  // A file of bare pixel rows, top row first: red, green, blue and alpha bytes, not
  // premultiplied. A file of any other length than the size asks for gives no image.
  static QImage rgbaRows(const QString& file, int side) {
    const QByteArray rows = QResource(file).uncompressedData();
    const qsizetype stride = qsizetype(side) * 4;
    if (rows.size() != stride * side) return {};
    // Copied: the rows of a compressed resource live only as long as `rows`.
    return QImage(reinterpret_cast<const uchar*>(rows.constData()), side, side, stride,
                  QImage::Format_RGBA8888)
        .copy();
  }

  QString pattern_;
  std::vector<int> sizes_;
  std::map<int, QPixmap> loaded_;
};

}  // namespace

QIcon lazyIcon(const QString& pattern, std::initializer_list<int> sizes) {
  return QIcon(new LazyIconEngine(pattern, std::vector<int>(sizes)));
}

}  // namespace pelbrix
