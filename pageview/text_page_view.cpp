#include "text_page_view.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "store/error.h"

namespace pageview {

void TextPageView::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw store::Error(QStringLiteral("无法读取页面模板 %1：%2").arg(path, file.errorString()));
    QStringDecoder gbk("GBK");
    if (!gbk.isValid())
        throw store::Error(QStringLiteral("本机的 Qt 不支持 GBK 编码，无法读取页面模板"));
    QString text = gbk.decode(file.readAll());
    if (gbk.hasError()) throw store::Error(QStringLiteral("页面模板 %1 不是 GBK 文本").arg(path));
    template_ = std::move(text);
    fragments_.clear();
}

QString TextPageView::html() const {
    const qsizetype bodyEnd =
        template_.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
    const qsizetype at = bodyEnd < 0 ? template_.size() : bodyEnd;
    return template_.left(at) + fragments_.join(QString()) + template_.mid(at);
}

QByteArray TextPageView::gbkDocument() const {
    QStringEncoder gbk("GBK");
    if (!gbk.isValid()) throw store::Error(QStringLiteral("本机的 Qt 不支持 GBK 编码"));
    QByteArray bytes = gbk.encode(html());
    if (gbk.hasError()) throw store::Error(QStringLiteral("页面中有 GBK 无法表示的字符"));
    return bytes;
}

void TextPageView::noElements(const QString& id) {
    throw store::Error(QStringLiteral("文本页面中没有可访问的元素（%1）").arg(id));
}

QString TextPageView::value(const QString& id) { noElements(id); }
bool TextPageView::checked(const QString& id) { noElements(id); }
void TextPageView::setChecked(const QString& id, bool) { noElements(id); }
void TextPageView::setValue(const QString& id, const QString&) { noElements(id); }
void TextPageView::setColor(const QString& id, const QString&) { noElements(id); }
QHash<QString, pageview::ElementState> TextPageView::formSnapshot() { noElements(QString()); }

}  // namespace pageview
