// Prints one value of a JSON file: json_query FILE PATH, PATH like
// "0.edid.product_code". Strings print bare, null as "null"; a path that
// leads nowhere prints "missing" and exits 1.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: json_query FILE PATH\n", stderr);
    return 2;
  }
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly)) return 2;
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
  if (error.error != QJsonParseError::NoError) {
    std::printf("invalid JSON: %s\n", error.errorString().toUtf8().constData());
    return 1;
  }
  QJsonValue value = doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
  for (const QString& key : QString::fromLocal8Bit(argv[2]).split(u'.')) {
    bool index = false;
    const int k = key.toInt(&index);
    if (index && value.isArray() && k >= 0 && k < value.toArray().size()) {
      value = value.toArray()[k];
    } else if (value.isObject() && value.toObject().contains(key)) {
      value = value.toObject()[key];
    } else {
      std::puts("missing");
      return 1;
    }
  }
  if (value.isNull()) {
    std::puts("null");
  } else if (value.isBool()) {
    std::puts(value.toBool() ? "true" : "false");
  } else if (value.isDouble()) {
    std::printf("%s\n", QString::number(value.toDouble(), 'g', 12).toUtf8().constData());
  } else if (value.isString()) {
    std::printf("%s\n", value.toString().toUtf8().constData());
  } else {
    std::printf("%s\n", QJsonDocument(value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject())).toJson(QJsonDocument::Compact).constData());
  }
  return 0;
}
