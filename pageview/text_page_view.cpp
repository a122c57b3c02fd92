#include "text_page_view.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

#include "core/error.h"

namespace pageview {

namespace {

struct Attribute {
    QString name;  // lower case
    QString value;
    qsizetype start = 0;  // in the fragment, from the blanks before it
    qsizetype end = 0;
};

// One start tag of a fragment.
struct Element {
    qsizetype fragment = 0;
    QString tag;  // lower case
    qsizetype start = 0;
    qsizetype end = 0;  // after the '>'
    QList<Attribute> attributes;

    const Attribute* attribute(const QString& name) const {
        for (const Attribute& a : attributes)
            if (a.name == name) return &a;
        return nullptr;
    }
    bool has(const QString& name) const { return attribute(name) != nullptr; }
    QString text(const QString& name) const {
        const Attribute* a = attribute(name);
        return a ? a->value : QString();
    }
};

const QString kChecked = QStringLiteral("checked");
const QString kSelected = QStringLiteral("selected");
const QString kValue = QStringLiteral("value");

// A start tag; quoted attribute values may hold '>'.
const QRegularExpression& startTagPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(<([A-Za-z][\w:-]*)((?:[^>"']|"[^"]*"|'[^']*')*)>)"));
    return pattern;
}

const QRegularExpression& attributePattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(\s*([^\s=/>"']+)(?:\s*=\s*("[^"]*"|'[^']*'|[^\s"'>]+))?)"));
    return pattern;
}

QString unquoted(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\''))
        return value.mid(1, value.size() - 2);
    return value;
}

QList<Attribute> attributesOf(const QString& markup, qsizetype from, qsizetype to) {
    QList<Attribute> attributes;
    auto it = attributePattern().globalMatch(markup, from);
    while (it.hasNext()) {
        const QRegularExpressionMatch a = it.next();
        if (a.capturedEnd() > to) break;
        attributes.append(
            {a.captured(1).toLower(), unquoted(a.captured(2)), a.capturedStart(), a.capturedEnd()});
    }
    return attributes;
}

// The start tags that lie within markup[from, to), in order.
QList<Element> startTags(const QStringList& fragments, qsizetype fragment, qsizetype from = 0,
                         qsizetype to = -1) {
    const QString& markup = fragments[fragment];
    if (to < 0) to = markup.size();
    QList<Element> tags;
    auto it = startTagPattern().globalMatch(markup, from);
    while (it.hasNext()) {
        const QRegularExpressionMatch tag = it.next();
        if (tag.capturedEnd() > to) break;
        tags.append({fragment, tag.captured(1).toLower(), tag.capturedStart(), tag.capturedEnd(),
                     attributesOf(markup, tag.capturedStart(2), tag.capturedEnd(2))});
    }
    return tags;
}

// The first element of a fragment whose id is `id`.
Element elementIn(const QStringList& fragments, qsizetype fragment, const QString& id) {
    for (const Element& tag : startTags(fragments, fragment))
        if (tag.has(QStringLiteral("id")) && tag.text(QStringLiteral("id")) == id) return tag;
    throw core::Error(QStringLiteral("页面中没有元素 %1").arg(id));
}

QList<Element> optionsOf(const QStringList& fragments, const Element& select) {
    const qsizetype close = fragments[select.fragment].indexOf(QStringLiteral("</select"),
                                                               select.end, Qt::CaseInsensitive);
    QList<Element> options;
    for (const Element& tag : startTags(fragments, select.fragment, select.end, close))
        if (tag.tag == QStringLiteral("option")) options.append(tag);
    return options;
}

// A select's value is its selected option's, else its first option's.
QString valueOf(const QStringList& fragments, const Element& element) {
    if (element.tag != QStringLiteral("select")) return element.text(kValue);
    const QList<Element> options = optionsOf(fragments, element);
    if (options.isEmpty()) return {};
    const auto selected = std::find_if(options.begin(), options.end(),
                                       [](const Element& o) { return o.has(kSelected); });
    return (selected == options.end() ? options.front() : *selected).text(kValue);
}

// Replaces every `name` attribute of the element's start tag by `written` (the whole attribute,
// such as "checked"); an empty `written` only removes it.
void rewrite(QStringList& fragments, const Element& element, const QString& name,
             const QString& written) {
    QString& markup = fragments[element.fragment];
    // The new attribute goes after all others, so the positions of those stay valid.
    if (!written.isEmpty()) {
        const bool selfClosing = markup.at(element.end - 2) == u'/';
        markup.insert(element.end - (selfClosing ? 2 : 1), u' ' + written);
    }
    for (qsizetype a = element.attributes.size() - 1; a >= 0; --a) {
        const Attribute& attribute = element.attributes[a];
        if (attribute.name == name) markup.remove(attribute.start, attribute.end - attribute.start);
    }
}

bool isRadio(const Element& element) {
    return element.tag == QStringLiteral("input") &&
           element.text(QStringLiteral("type"))
                   .compare(QStringLiteral("radio"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void TextPageView::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::Error(QStringLiteral("无法读取页面模板 %1：%2").arg(path, file.errorString()));
    QStringDecoder gbk("GBK");
    if (!gbk.isValid())
        throw core::Error(QStringLiteral("本机的 Qt 不支持 GBK 编码，无法读取页面模板"));
    QString text = gbk.decode(file.readAll());
    if (gbk.hasError()) throw core::Error(QStringLiteral("页面模板 %1 不是 GBK 文本").arg(path));
    template_ = std::move(text);
    fragments_.clear();
    idFragments_.clear();
    radioFragments_.clear();
    indexed_ = 0;
}

QString TextPageView::html() const {
    const qsizetype bodyEnd =
        template_.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
    const qsizetype at = bodyEnd < 0 ? template_.size() : bodyEnd;
    return template_.left(at) + fragments_.join(QString()) + template_.mid(at);
}

QByteArray TextPageView::gbkDocument() const {
    QStringEncoder gbk("GBK");
    if (!gbk.isValid()) throw core::Error(QStringLiteral("本机的 Qt 不支持 GBK 编码"));
    QByteArray bytes = gbk.encode(html());
    if (gbk.hasError()) throw core::Error(QStringLiteral("页面中有 GBK 无法表示的字符"));
    return bytes;
}

void TextPageView::indexFragments() {
    for (; indexed_ < fragments_.size(); ++indexed_) {
        for (const Element& tag : startTags(fragments_, indexed_)) {
            const QString id = tag.text(QStringLiteral("id"));
            if (tag.has(QStringLiteral("id")) && !idFragments_.contains(id))
                idFragments_.insert(id, indexed_);
            if (!isRadio(tag)) continue;
            QList<qsizetype>& group = radioFragments_[tag.text(QStringLiteral("name"))];
            if (group.isEmpty() || group.last() != indexed_) group.append(indexed_);
        }
    }
}

qsizetype TextPageView::fragmentOf(const QString& id) {
    indexFragments();
    const auto found = idFragments_.constFind(id);
    if (found == idFragments_.cend())
        throw core::Error(QStringLiteral("页面中没有元素 %1").arg(id));
    return found.value();
}

QString TextPageView::value(const QString& id) {
    return valueOf(fragments_, elementIn(fragments_, fragmentOf(id), id));
}

bool TextPageView::checked(const QString& id) {
    return elementIn(fragments_, fragmentOf(id), id).has(kChecked);
}

void TextPageView::setChecked(const QString& id, bool on) {
    const Element target = elementIn(fragments_, fragmentOf(id), id);
    rewrite(fragments_, target, kChecked, on ? kChecked : QString());
    const QString group = target.text(QStringLiteral("name"));
    if (!on || !isRadio(target) || group.isEmpty()) return;
    // Checking a radio button clears the others of its group, as a browser does.
    const QList<qsizetype> holders = radioFragments_.value(group);
    for (auto f = holders.crbegin(); f != holders.crend(); ++f) {
        const QList<Element> tags = startTags(fragments_, *f);
        for (auto tag = tags.crbegin(); tag != tags.crend(); ++tag) {
            const bool other = *f != target.fragment || tag->start != target.start;
            if (other && isRadio(*tag) && tag->text(QStringLiteral("name")) == group &&
                tag->has(kChecked))
                rewrite(fragments_, *tag, kChecked, QString());
        }
    }
}

void TextPageView::setValue(const QString& id, const QString& value) {
    const Element target = elementIn(fragments_, fragmentOf(id), id);
    if (target.tag != QStringLiteral("select")) {
        const QChar quote = value.contains(u'"') ? u'\'' : u'"';
        rewrite(fragments_, target, kValue, kValue + u'=' + quote + value + quote);
        return;
    }
    // The first option with that value becomes the selected one; none when no option has it.
    const QList<Element> options = optionsOf(fragments_, target);
    const auto chosen = std::find_if(options.begin(), options.end(),
                                     [&](const Element& o) { return o.text(kValue) == value; });
    for (auto option = options.crbegin(); option != options.crend(); ++option) {
        const bool selected = chosen != options.end() && option->start == chosen->start;
        rewrite(fragments_, *option, kSelected, selected ? kSelected : QString());
    }
}

void TextPageView::setColor(const QString& id, const QString&) { fragmentOf(id); }

QHash<QString, pageview::ElementState> TextPageView::formSnapshot() {
    QHash<QString, pageview::ElementState> snapshot;
    for (qsizetype f = 0; f < fragments_.size(); ++f) {
        for (const Element& tag : startTags(fragments_, f)) {
            const QString id = tag.text(QStringLiteral("id"));
            if (!tag.has(QStringLiteral("id")) || snapshot.contains(id)) continue;
            snapshot.insert(id, {tag.has(kChecked), valueOf(fragments_, tag)});
        }
    }
    return snapshot;
}

}  // namespace pageview
