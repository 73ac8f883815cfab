# Two commands for everyone: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
# WERROR=ON turns compiler warnings into errors, as CI builds; users are not stopped by them.
WERROR ?= OFF
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCYCLARA_WERROR=$(WERROR)

.PHONY: run test screenshot bench fuzz fresh-check deps configure build clean

run: build
	$(BUILD)/bin/cyclara

# The end-to-end test drives a real X display; CI runs it under xvfb-run.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -LE e2e --output-on-failure

# The README's pictures of the real windows, with a fixed date and register.
screenshot: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --dark docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --scaled docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --english docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --english-smallest docs
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_screenshot --traditional docs

# Every performance figure with its median and its goal; fails when a goal is missed.
bench: build
	@status=0; \
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/cyclara_bench || status=1; \
	echo; \
	$(BUILD)/bin/startup_report $(BUILD)/bin 21 || status=1; \
	exit $$status

# libFuzzer on the register reader and the date texts, built with clang in build-fuzz; new inputs
# go to fuzz-corpus-work, the committed seeds in fuzz/corpus stay as they are.
FUZZ_SECONDS ?= 60
fuzz:
	scripts/install-deps fuzz
	cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz
	mkdir -p fuzz-corpus-work
	build-fuzz/bin/fuzz_register fuzz-corpus-work fuzz/corpus -dict=fuzz/birth.dict \
	    -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1

# `make test` on a clean Debian root made by debootstrap, from a clone of HEAD (needs root or sudo).
RELEASE ?= bookworm
fresh-check:
	scripts/fresh-machine-check $(RELEASE)

build: configure
	cmake --build $(BUILD)

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

deps:
	scripts/install-deps

clean:
	rm -rf $(BUILD) build-fuzz fuzz-corpus-work
