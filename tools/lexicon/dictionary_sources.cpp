#include "dictionary_sources.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include "base/exception.h"
#include "base/stream.h"
#include "base/string_list.h"
#include "base/text.h"

namespace lumora {

namespace {

// Calls take for each line of a list kept by hand, its "#" comment and outer
// blanks removed, skipping empty lines; a fault take raises is reported with
// the file and line. Returns the number of lines taken.
template <typename Take>
size_t ReadListLines(const std::string& path, Take take) {
  TStringList lines;
  lines.LoadFromFile(path);
  size_t count = 0;
  for (int i = 0; i < lines.Count(); ++i) {
    std::string line = lines[i];
    if (const size_t hash = line.find('#'); hash != std::string::npos) line.resize(hash);
    line = Trim(line);
    if (line.empty()) continue;
    try {
      take(line);
    } catch (const Exception& e) {
      throw Exception(path + ":" + std::to_string(i + 1) + ": " + e.Message());
    }
    ++count;
  }
  return count;
}

}  // namespace

size_t ReadFrequencyDictionary(const std::string& path, LexiconBuilder& builder) {
  TStringList lines;
  lines.LoadFromFile(path);
  size_t count = 0;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line.empty()) continue;
    const size_t first = line.find(' ');
    const size_t second = first == std::string::npos ? first : line.find(' ', first + 1);
    if (second == std::string::npos) {
      throw Exception(path + ":" + std::to_string(i + 1) + ": expected \"word frequency tag\"");
    }
    const auto frequency = ParseInt64(line.substr(first + 1, second - first - 1));
    if (!frequency || *frequency < 0 || *frequency > UINT32_MAX) {
      throw Exception(path + ":" + std::to_string(i + 1) + ": bad frequency");
    }
    builder.AddWord(line.substr(0, first), static_cast<uint32_t>(*frequency),
                    Trim(line.substr(second + 1)));
    ++count;
  }
  return count;
}

size_t ReadCedictModule(const std::string& path, LexiconBuilder& builder) {
  const std::string text = ReadFileBytes(path);
  const size_t start = text.find('{');
  size_t end = text.rfind('}');
  if (start == std::string::npos || end == std::string::npos || end < start) {
    throw Exception(path + ": no JSON object found");
  }
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(
      QByteArray(text.data() + start, static_cast<qsizetype>(end - start + 1)), &error);
  if (error.error != QJsonParseError::NoError) {
    throw Exception(path + ": " + error.errorString().toStdString() + " at offset " +
                    std::to_string(start + static_cast<size_t>(error.offset)));
  }
  const QJsonArray all = doc.object().value("all").toArray();
  if (all.isEmpty()) throw Exception(path + ": no entries under \"all\"");
  size_t count = 0;
  for (const QJsonValue& value : all) {
    const QJsonArray e = value.toArray();
    if (e.size() < 4 || !e[1].isString() || !e[2].isString()) continue;
    std::vector<std::string> senses;
    if (e[3].isString()) {
      senses.push_back(e[3].toString().toStdString());
    } else {
      for (const QJsonValue& s : e[3].toArray()) senses.push_back(s.toString().toStdString());
    }
    builder.AddEntry(e[1].toString().toStdString(), e[2].toString().toStdString(), senses);
    ++count;
  }
  return count;
}

size_t ReadExclusions(const std::string& path, LexiconBuilder& builder) {
  return ReadListLines(path, [&](const std::string& line) {
    const size_t blank = line.find(' ');
    const std::string synonym = blank == std::string::npos ? "" : Trim(line.substr(blank + 1));
    if (synonym.empty() || synonym.find(' ') != std::string::npos) {
      throw Exception("expected \"word synonym\"");
    }
    builder.AddExclusion(line.substr(0, blank), synonym);
  });
}

size_t ReadSynonymGroups(const std::string& path, LexiconBuilder& builder) {
  return ReadListLines(path, [&](const std::string& line) { builder.AddSynonymGroup(line); });
}

}  // namespace lumora
