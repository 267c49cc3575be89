# make run    install what is missing, build, start the editor
# make test   install what is missing, build, run every test
# make build  build only

BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test asan bench clean

deps:
	@scripts/install-deps.sh

configure:
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: deps build
	$(BUILD_DIR)/bin/ombrix

test: deps build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DOMBRIX_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

bench: deps build
	bench/run.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) build-asan
