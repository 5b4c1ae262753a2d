#pragma once
// Failures of the data provider framework.

#include "components/base/exception.h"

class EWkDataProvider : public EWkException {
public:
    using EWkException::EWkException;
};

class EWkDataConsumer : public EWkDataProvider {
public:
    using EWkDataProvider::EWkDataProvider;
};

class EWkDataItems : public EWkDataProvider {
public:
    using EWkDataProvider::EWkDataProvider;
};

class EWkDataContexts : public EWkDataProvider {
public:
    using EWkDataProvider::EWkDataProvider;
};

// A stored item tree or extension list that cannot be read back.
class EReadError : public EWkException {
public:
    using EWkException::EWkException;
};
