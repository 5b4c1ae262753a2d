#include "components/base/component.h"

TWkComponent::TWkComponent(QObject* owner) : QObject(owner) {}
