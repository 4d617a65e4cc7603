#include "bc3/CPlainBc3Reader.h"

namespace {

// A part without the blanks, tabs and line ends around it.
QString Clean(const QString& part)
{
    return part.trimmed();
}

QString Part(const QStringList& parts, qsizetype n)
{
    return n < parts.size() ? parts[n] : QString();
}

} // namespace

QString CPlainBc3Reader::Key(QString code)
{
    code = Clean(code);
    while (code.endsWith(u'#'))
        code.chop(1);
    return code;
}

CPlainBc3Reader::CPlainBc3Reader(const QByteArray& bytes)
{
    // Codes and numbers are ASCII; texts do not matter here.
    const QStringList records = QString::fromLatin1(bytes).split(u'~');
    QString root;
    for (qsizetype r = 1; r < records.size(); ++r) {
        const QStringList fields = records[r].split(u'|');
        const QString type = Clean(fields[0]);
        if (type == u"C") {
            const QString code = Clean(Part(fields, 1).split(u'\\').first());
            if (code.endsWith(QStringLiteral("##")))
                root = code;
            m_concepts[Key(code)] = fields;
        } else if (type == u"D") {
            m_decompositions[Key(Part(fields, 1))] = Part(fields, 2).split(u'\\');
        } else if (type == u"M") {
            const QStringList codes = Part(fields, 1).split(u'\\');
            const QString parent = codes.size() > 1 ? Key(codes[0]) : QString();
            QStringList path;
            for (const QString& position : Part(fields, 2).split(u'\\')) {
                if (!Clean(position).isEmpty())
                    path << QString::number(Clean(position).toInt());
            }
            m_measurements[parent + u'\\' + Key(codes.last())].push_back(
                {path.join(u'\\'), Clean(Part(fields, 3)), Part(fields, 4).split(u'\\')});
        }
    }
    if (root.isEmpty()) {
        m_problems << QStringLiteral("no root concept");
        return;
    }
    Node top;
    top.factor = top.yield = QStringLiteral("1");
    m_nodes.push_back(top);
    Walk(Key(root), 0, {}, {});
    PricePercentages();
}

void CPlainBc3Reader::PricePercentages()
{
    for (size_t parent = 0; parent < m_nodes.size(); ++parent) {
        std::vector<size_t> children;
        for (size_t i = parent + 1; i < m_nodes.size() && m_nodes[i].level > m_nodes[parent].level; ++i) {
            if (m_nodes[i].level == m_nodes[parent].level + 1)
                children.push_back(i);
        }
        for (size_t c = 0; c < children.size(); ++c) {
            Node& node = m_nodes[children[c]];
            const qsizetype percent = node.code.indexOf(u'%');
            if (percent < 0)
                continue;
            double sum = 0.0;
            for (size_t e = 0; e < c; ++e) {
                const Node& earlier = m_nodes[children[e]];
                if (!earlier.code.startsWith(node.code.left(percent)))
                    continue;
                sum += earlier.price.toDouble() * earlier.factor.toDouble()
                    * (earlier.measured ? earlier.total : earlier.yield).toDouble();
                node.factored = node.factored || earlier.factored || earlier.factor.toDouble() != 1.0;
            }
            node.price = QString::number(sum, 'f', 6);
        }
    }
}

void CPlainBc3Reader::Walk(const QString& key, int level, const QString& path, const QString& parentKey)
{
    Node& node = m_nodes.back();
    node.level = level;
    node.code = key;
    if (!m_concepts.contains(key)) {
        m_problems << QStringLiteral("no concept %1").arg(key);
    } else {
        const QStringList& fields = m_concepts[key];
        node.code = Clean(Part(fields, 1).split(u'\\').first());
        node.price = Clean(Part(fields, 4).split(u'\\').first());
    }
    if (level > 0)
        Measure(node, parentKey, key, path);
    if (level > 64) {
        m_problems << QStringLiteral("%1 is its own ancestor").arg(key);
        return;
    }
    const QStringList entries = m_decompositions.value(key);
    int position = 0;
    for (qsizetype i = 0; i + 2 < entries.size(); i += 3) {
        const QString child = Key(entries[i]);
        if (child.isEmpty()) {
            m_problems << QStringLiteral("an entry of %1 without a code").arg(key);
            continue;
        }
        ++position;
        Node entry;
        entry.factor = Clean(entries[i + 1]).isEmpty() ? QStringLiteral("1") : Clean(entries[i + 1]);
        entry.yield = Clean(entries[i + 2]).isEmpty() ? QStringLiteral("1") : Clean(entries[i + 2]);
        m_nodes.push_back(entry);
        Walk(child, level + 1, path.isEmpty() ? QString::number(position) : path + u'\\' + QString::number(position), key);
    }
}

// The "~M" of the entry at this path, or one that gives no path.
void CPlainBc3Reader::Measure(Node& node, const QString& parentKey, const QString& key, const QString& path) const
{
    const Measurement* found = nullptr;
    for (const QString& codes : {parentKey + u'\\' + key, u'\\' + key}) {
        const auto it = m_measurements.constFind(codes);
        if (it == m_measurements.constEnd())
            continue;
        for (const Measurement& measurement : *it) {
            if (!found && (measurement.path == path || measurement.path.isEmpty()))
                found = &measurement;
        }
    }
    if (!found)
        return;
    node.measured = true;
    node.total = found->total;
    node.rows = int(found->list.size() / 6);
    for (int row = 0; row < node.rows; ++row) {
        const QString type = Clean(found->list[6 * row]);
        if (type == u"3")
            node.formulas = true;
        if (!type.isEmpty())
            continue;
        double product = 1.0;
        bool any = false;
        for (int f = 2; f < 6; ++f) {
            const QString number = Clean(found->list[6 * row + f]);
            if (!number.isEmpty()) {
                product *= number.toDouble();
                any = true;
            }
        }
        node.rowSum += any ? product : 0.0;
    }
}
