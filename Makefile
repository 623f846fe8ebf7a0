# The two commands of the README:
#   make run   builds everything and starts the sample game
#   make test  builds everything and runs all tests
# Both first install the Debian packages that are missing. Without a display
# the program and the tests run inside a virtual X server, which keeps going
# when its last client leaves (a test starting then would find it resetting).

BUILD_DIR := build
HEADLESS := $(if $(DISPLAY),,xvfb-run -a -s "-noreset -screen 0 1920x1080x24")

.PHONY: run test build deps

run: build
	cd $(BUILD_DIR)/game && $(HEADLESS) ./zarnith

# One test per core; the tests that draw frames share one X server, each test
# that starts the program has one of its own. Every test runs once: a test
# that fails has found a fault; its assertions are repeated at the end.
test: build
	cd $(BUILD_DIR) && $(HEADLESS) ctest --output-on-failure -j$(shell nproc) \
	  || { $(CURDIR)/tools/failed-tests.sh .; exit 1; }

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR)

deps:
	bash tools/install-deps.sh
