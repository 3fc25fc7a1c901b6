#include "cycle/RunModel.h"

namespace tonalyst {

RunModel::RunModel(QObject* parent) : QObject(parent) {}

QString RunModel::status(Status value) const {
    return m_status[static_cast<std::size_t>(value)];
}

void RunModel::setStatus(Status value, const QString& text) {
    m_status[static_cast<std::size_t>(value)] = text;
    emit statusChanged(value, text);
}

void RunModel::setQuestionNumber(const QString& text) {
    m_questionNumber = text;
    emit questionNumberChanged(text);
}

void RunModel::setTonesOn(bool on) {
    if (m_tonesOn == on)
        return;
    m_tonesOn = on;
    emit tonesOnChanged(on);
}

void RunModel::setBeepOn(bool on) {
    if (m_beepOn == on)
        return;
    m_beepOn = on;
    emit beepOnChanged(on);
}

} // namespace tonalyst
