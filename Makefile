# Two commands for everyone: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test screenshot deps configure build clean

run: build
	$(BUILD)/bin/cyclara

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# The README's pictures of the real windows, with a fixed date and register.
screenshot: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot docs

build: configure
	cmake --build $(BUILD)

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

deps:
	scripts/install-deps

clean:
	rm -rf $(BUILD)
