# The two commands of the README:
#   make run   builds everything and starts the sample game
#   make test  builds everything and runs all tests
# Both first install the Debian packages that are missing. Without a display
# the program and the tests run inside a virtual X server.

BUILD_DIR := build
HEADLESS := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1920x1080x24")

.PHONY: run test build deps

run: build
	cd $(BUILD_DIR)/game && $(HEADLESS) ./zarnith

# Two at a time: the tests that draw frames or start the program share one X
# server, and one render test still comes back dark now and then when many
# run at once (a failed test is run once more).
test: build
	cd $(BUILD_DIR) && $(HEADLESS) ctest --output-on-failure -j2 --repeat until-pass:2

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR)

deps:
	bash tools/install-deps.sh
