#pragma once

#include "IniFile.h"

#include <QString>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

// One value of the settings file, declared once beside the code that uses it: where it lives
// (section and key), what type it holds and what it reads as when the file has no usable value.
//
//   const Setting<int> BackupsKept{"Backups", "Keep", 5, 0};
//   const int keep = BackupsKept.read(ctx.ini());
//
// Text is stored as it is; a number as decimal digits; a yes/no as "1" or "0". A number that does
// not parse or lies outside [lowest, highest] is not usable, and neither is a yes/no other than
// "1" or "0". Sections and keys match without regard to letter case, as everywhere in the file.
template <typename T>
class Setting
{
    static_assert(std::is_same_v<T, QString> || std::is_same_v<T, bool> || std::is_same_v<T, int>
                      || std::is_same_v<T, double>,
                  "settings hold text, yes/no, whole numbers or numbers");

public:
    Setting(QString section, QString key, T fallback = T())
        requires(!std::is_same_v<T, int> && !std::is_same_v<T, double>)
        : m_section(std::move(section)), m_key(std::move(key)), m_fallback(std::move(fallback))
    {
    }

    Setting(QString section, QString key, T fallback = T(), T lowest = std::numeric_limits<T>::lowest(),
            T highest = std::numeric_limits<T>::max())
        requires(std::is_same_v<T, int> || std::is_same_v<T, double>)
        : m_section(std::move(section)), m_key(std::move(key)), m_fallback(fallback), m_lowest(lowest), m_highest(highest)
    {
    }

    const QString &section() const { return m_section; }
    const QString &key() const { return m_key; }
    const T &fallback() const { return m_fallback; }

    // Whether the file holds any text for it, usable or not.
    bool isSet(const IniFile &ini) const { return !ini.read(m_section, m_key).isEmpty(); }

    // The stored value, when there is a usable one.
    std::optional<T> stored(const IniFile &ini) const { return parse(ini.read(m_section, m_key)); }

    // The stored value, or the fallback when there is none or it is not usable.
    T read(const IniFile &ini) const { return stored(ini).value_or(m_fallback); }

    // False when the settings file could not be written.
    bool write(IniFile &ini, const T &value) const { return ini.write(m_section, m_key, format(value)); }

    // Empties the stored value, so the fallback applies again.
    bool clear(IniFile &ini) const { return ini.write(m_section, m_key, QString()); }

    std::optional<T> parse(const QString &text) const
    {
        const QString t = text.trimmed();
        if (t.isEmpty())
            return std::nullopt;
        if constexpr (std::is_same_v<T, QString>) {
            return t;
        } else if constexpr (std::is_same_v<T, bool>) {
            if (t == QLatin1String("1"))
                return true;
            if (t == QLatin1String("0"))
                return false;
            return std::nullopt;
        } else {
            bool ok = false;
            T v;
            if constexpr (std::is_same_v<T, int>)
                v = t.toInt(&ok);
            else
                v = t.toDouble(&ok);
            if constexpr (std::is_same_v<T, double>)
                ok = ok && std::isfinite(v);
            if (!ok || v < m_lowest || v > m_highest)
                return std::nullopt;
            return v;
        }
    }

    static QString format(const T &value)
    {
        if constexpr (std::is_same_v<T, QString>) {
            return value;
        } else if constexpr (std::is_same_v<T, bool>) {
            return value ? QStringLiteral("1") : QStringLiteral("0");
        } else if constexpr (std::is_same_v<T, int>) {
            return QString::number(value);
        } else {
            // Whole numbers as digits ("12045", never "1.2045e+04"), so the file stays plain to read.
            if (std::isfinite(value) && std::abs(value) < 1e15 && value == std::trunc(value))
                return QString::number(qint64(value));
            return QString::number(value, 'g', 15);
        }
    }

private:
    QString m_section;
    QString m_key;
    T m_fallback;
    T m_lowest{};
    T m_highest{};
};
