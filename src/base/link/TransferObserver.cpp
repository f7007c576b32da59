#include "link/TransferObserver.h"

TransferObserver::~TransferObserver() = default;
